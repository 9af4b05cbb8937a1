// Runs an EPANET network with the epanet-js engine and prints what the tests compare,
// as JSON: the engine's warnings, the tank's level and the pump and pipeline at the
// start, and the water the pipeline carried into the tank over the run.
// Usage: node runepanet.mjs PREFIX NETWORK.inp (PREFIX: where npm installed epanet-js)
import { createRequire } from "module";
import fs from "fs";
import path from "path";

const [moduleDir, network] = process.argv.slice(2);
const require = createRequire(path.resolve(moduleDir) + "/");
const { Project, Workspace, LinkProperty, NodeProperty, InitHydOption } = require("epanet-js");

const warnings = [];
console.warn = (...args) => warnings.push(args.join(" "));

const ws = new Workspace();
await ws.loadModule();
const model = new Project(ws);
ws.writeFile("net.inp", fs.readFileSync(network));
model.open("net.inp", "net.rpt", "net.out");

const link = (id) => { try { return model.getLinkIndex(id); } catch { return 0; } };
const pipeline = link("Pipeline");
const pump = link("Pump");
const tank = model.getNodeIndex("StorageTank");
const result = { warnings, tankLevel: 0, pumpFlow: null, pumpHead: null, pipelineFlow: 0, pipelineHeadloss: 0, inflow: 0 };

model.openH();
model.initH(InitHydOption.SaveAndInit);
let step = 0;
do {
  const time = model.runH();
  const flow = model.getLinkValue(pipeline, LinkProperty.Flow); // L/s
  if (time === 0) {
    result.tankLevel = model.getNodeValue(tank, NodeProperty.Pressure); // a tank's pressure is its level
    result.pipelineFlow = flow;
    result.pipelineHeadloss = model.getLinkValue(pipeline, LinkProperty.Headloss);
    if (pump) {
      result.pumpFlow = model.getLinkValue(pump, LinkProperty.Flow);
      result.pumpHead = model.getLinkValue(pump, LinkProperty.Headloss); // a pump's head gain
    }
  }
  step = model.nextH();
  result.inflow += flow * step / 1000; // m3
} while (step > 0);
model.closeH();
model.close();
result.warnings = [...new Set(warnings)];
console.log(JSON.stringify(result));
