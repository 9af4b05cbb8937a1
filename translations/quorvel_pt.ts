<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>QObject</name>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>%1 %2 %3 below %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 above %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flow velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daily usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>people per tap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>actual pumping time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h/day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>actual storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the theoretical storage of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 m³ short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>design flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pump&apos;s rated flow of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pumping head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pump&apos;s rated head of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: blank line — row skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: &apos;%3&apos; is not %4 — row skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a positive number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be greater than 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be at most 24 hours a day</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::AboutDialog</name>
    <message>
        <source>About Quorvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel is a simulator to design emergency systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dravenholt Systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>www.example.org/quorvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::CatalogWindow</name>
    <message>
        <source>Do you want to save the new data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since it was read. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::Catalogs</name>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nominal (in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sch 40 galvanised steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sch 40 black steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow (L/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power kW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Petrol engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diesel engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submersible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tank type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size (m3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bladder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrugated steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pillow tank for trucks and small distribution points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pillow tank on a cleared and levelled base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolted kit with liner and roof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self-supporting open-top tank with cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8 after its byte-order mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no line that can be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read because an earlier catalog could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read; saving would erase it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::DesignSummary</name>
    <message>
        <source>unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>designed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gravity supply, no pump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapstand kits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kits of 6 taps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nominal %1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People served</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily demand</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::DiametersWindow</name>
    <message>
        <source>Diameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::Error</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::Pictures</name>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::PrinterChoiceDialog</name>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::Printing</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation not supported on selected printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer index out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::ProjectFiles</name>
    <message>
        <source>Main pipeline files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the project name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project has changed. Would you like to save the changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::ProjectSheet</name>
    <message>
        <source>Water Source Elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage Elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pipeline Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Population</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water source elevation= </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::PumpsWindow</name>
    <message>
        <source>Pumps information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 more pump in %1 is kept but not shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more pumps in %2 are kept but not shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main pipeline files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is now available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not available. Check if the file exists yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::Sheet</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump discharge pipeline length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water source elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Population</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pumping Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours/day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L/capita/day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># people per tap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nominal Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pumping Head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theoretical Storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M^3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual Storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Actual Pumping Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># tapstand kits (6 taps)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::SheetLayout</name>
    <message>
        <source>Water Source Elevation= </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage Elevation= </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pipeline Length= </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Population= </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::SiteDesigner</name>
    <message>
        <source>%1 holds no usable pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no &quot;Flow (L/s)&quot; and &quot;Head (m)&quot; columns: name a pump with --pump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no pump %2; its models are %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no tank %2; its types are %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gravity supply: the storage is below the source, no pump needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pump: named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 L/s at %2 m (pumping head %3 m + %4 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no catalog pump reaches %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pump: least power (%1 kW) of %2 reaching %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pump: smallest flow of %1 reaching %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tanks round to 0 for a theoretical storage of %2 m³: choose a smaller tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tank: fewest tanks (%1) holding %2 m³</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (got %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::SitesFile</name>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file holds no line; expected captions, then one site a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file holds no site, only its caption line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected the captions Site and %1, in any order; a file without captions needs --no-header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line 1: no known caption; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line 1: no column for %2; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line 1: the input of column &quot;%2&quot; has a column already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line 1: column %2 is not an input, ignored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::TanksWindow</name>
    <message>
        <source>Tanks information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 more tank type in %1 is kept but not shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more tank types in %2 are kept but not shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a data item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
