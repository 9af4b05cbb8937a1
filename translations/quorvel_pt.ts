<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impressão</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quorvel::AboutDialog</name>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca do Quorvel</translation>
    </message>
    <message>
        <source>Quorvel is a simulator to design emergency systems</source>
        <translation>Quorvel simula o projeto de sistemas de emergência</translation>
    </message>
    <message>
        <source>Dravenholt Systems</source>
        <translation>Dravenholt Systems</translation>
    </message>
    <message>
        <source>www.example.org/quorvel</source>
        <translation>www.example.org/quorvel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quorvel::CatalogWindow</name>
    <message>
        <source>Do you want to save the new data?</source>
        <translation>Deseja guardar os novos dados?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since it was read. Overwrite it?</source>
        <translation>«%1» foi alterado por outro programa depois de lido. Substituí-lo?</translation>
    </message>
</context>
<context>
    <name>quorvel::Catalogs</name>
    <message>
        <source>No</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Nominal (in)</source>
        <translation>DN (pol)</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>ID (mm)</source>
        <translation>Ø int. (mm)</translation>
    </message>
    <message>
        <source>Sch 40 galvanised steel</source>
        <translation>Aço galvanizado Sch 40</translation>
    </message>
    <message>
        <source>Sch 40 black steel</source>
        <translation>Aço preto Sch 40</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Flow (L/s)</source>
        <translation>Q (L/s)</translation>
    </message>
    <message>
        <source>Head (m)</source>
        <translation>Altura (m)</translation>
    </message>
    <message>
        <source>Power kW</source>
        <translation>P (kW)</translation>
    </message>
    <message>
        <source>Curve picture</source>
        <translation>Imagem da curva</translation>
    </message>
    <message>
        <source>Petrol engine</source>
        <translation>Motor gasolina</translation>
    </message>
    <message>
        <source>Diesel engine</source>
        <translation>Motor diesel</translation>
    </message>
    <message>
        <source>Electric surface</source>
        <translation>Elétrica superfície</translation>
    </message>
    <message>
        <source>Submersible</source>
        <translation>Submersível</translation>
    </message>
    <message>
        <source>Tank type</source>
        <translation>Tipo de reservatório</translation>
    </message>
    <message>
        <source>Size (m3)</source>
        <translation>Vol. (m3)</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Bladder</source>
        <translation>Flexível</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Cebola</translation>
    </message>
    <message>
        <source>Corrugated steel</source>
        <translation>Aço ondulado</translation>
    </message>
    <message>
        <source>Pillow tank for trucks and small distribution points</source>
        <translation>Reservatório flexível para camiões e pequenos pontos de distribuição</translation>
    </message>
    <message>
        <source>Pillow tank on a cleared and levelled base</source>
        <translation>Reservatório flexível sobre base limpa e nivelada</translation>
    </message>
    <message>
        <source>Bolted kit with liner and roof</source>
        <translation>Kit aparafusado com membrana e cobertura</translation>
    </message>
    <message>
        <source>Self-supporting open-top tank with cover</source>
        <translation>Reservatório autoportante aberto com cobertura</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8 after its byte-order mark</source>
        <translation>«%1» não é UTF-8 válido após a marca de ordem de bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no line that can be read</source>
        <translation>«%1» não contém nenhuma linha legível</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read because an earlier catalog could not be read</source>
        <translation>«%1» não foi lido porque um catálogo anterior não pôde ser lido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read; saving would erase it</source>
        <translation>«%1» não foi lido; guardá-lo apagá-lo-ia</translation>
    </message>
</context>
<context>
    <name>quorvel::ChecksSummary</name>
    <message>
        <source>Design checks…</source>
        <translation>Verificações…</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignChecks</name>
    <message>
        <source>at least %1</source>
        <translation>pelo menos %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>no máximo %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 below %4</source>
        <translation>%1 %2 %3, abaixo de %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 above %4</source>
        <translation>%1 %2 %3, acima de %4</translation>
    </message>
    <message>
        <source>operating flow</source>
        <translation>caudal de funcionamento</translation>
    </message>
    <message>
        <source>the design flow of %1</source>
        <translation>%1 (caudal de projeto)</translation>
    </message>
    <message>
        <source>: the tank does not fill in the pumping hours</source>
        <translation>: o reservatório não enche nas horas de bombagem</translation>
    </message>
    <message>
        <source>flow velocity</source>
        <translation>velocidade de escoamento</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>%1 a %2 %3</translation>
    </message>
    <message>
        <source>daily usage</source>
        <translation>consumo diário</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>L/pess./dia</translation>
    </message>
    <message>
        <source>people per tap</source>
        <translation>pessoas por torneira</translation>
    </message>
    <message>
        <source>people</source>
        <translation>pessoas</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>h/dia</translation>
    </message>
    <message>
        <source>actual storage</source>
        <translation>armazenamento real</translation>
    </message>
    <message>
        <source>the theoretical storage of %1</source>
        <translation>%1 (armazenamento teórico)</translation>
    </message>
    <message>
        <source>, %1 m³ short</source>
        <translation>, faltam %1 m³</translation>
    </message>
    <message>
        <source>design flow</source>
        <translation>caudal de projeto</translation>
    </message>
    <message>
        <source>the pump&apos;s rated flow of %1</source>
        <translation>%1 (caudal nominal da bomba)</translation>
    </message>
    <message>
        <source>pumping head</source>
        <translation>altura manométrica</translation>
    </message>
    <message>
        <source>the pump&apos;s rated head of %1</source>
        <translation>%1 (altura nominal da bomba)</translation>
    </message>
    <message>
        <source>All %1 checks pass</source>
        <translation>As %1 verificações são cumpridas</translation>
    </message>
    <message>
        <source>1 warning: %1</source>
        <translation>1 aviso: %1</translation>
    </message>
    <message>
        <source>%1 warnings: %2</source>
        <translation>%1 avisos: %2</translation>
    </message>
    <message>
        <source>supply</source>
        <translation>abastecimento</translation>
    </message>
    <message>
        <source>gravity supply: no pump needed</source>
        <translation>abastecimento por gravidade: sem bomba</translation>
    </message>
    <message>
        <source>no catalog pump delivers %1 L/s at %2 m</source>
        <translation>nenhuma bomba do catálogo fornece %1 L/s a %2 m</translation>
    </message>
    <message>
        <source> (pumping head %1 m + %2 %)</source>
        <translation> (altura manométrica %1 m + %2 %)</translation>
    </message>
    <message>
        <source>a gravity supply needs no pump</source>
        <translation>um abastecimento por gravidade não precisa de bomba</translation>
    </message>
    <message>
        <source>gravity flow</source>
        <translation>caudal por gravidade</translation>
    </message>
    <message>
        <source>: no water reaches the tank</source>
        <translation>: não chega água ao reservatório</translation>
    </message>
    <message>
        <source>no water flows</source>
        <translation>não escoa água</translation>
    </message>
    <message>
        <source>hours at the gravity flow</source>
        <translation>horas ao caudal por gravidade</translation>
    </message>
    <message>
        <source>pumping hours at the operating point</source>
        <translation>horas de bombagem no ponto de funcionamento</translation>
    </message>
    <message>
        <source>: the day&apos;s demand does not reach the tank</source>
        <translation>: a procura do dia não chega ao reservatório</translation>
    </message>
    <message>
        <source>flow velocity at the gravity flow</source>
        <translation>velocidade de escoamento ao caudal por gravidade</translation>
    </message>
    <message>
        <source>flow velocity at the operating point</source>
        <translation>velocidade de escoamento no ponto de funcionamento</translation>
    </message>
    <message>
        <source>share of the rated flow</source>
        <translation>percentagem do caudal nominal</translation>
    </message>
    <message>
        <source>%1 to %2 % of the rated flow</source>
        <translation>%1 a %2 % do caudal nominal</translation>
    </message>
    <message>
        <source>the pump runs at %1 % of its rated flow of %2 L/s, far right of its rated point: inefficient, and it may cavitate</source>
        <translation>a bomba funciona a %1 % do seu caudal nominal de %2 L/s, muito à direita do seu ponto nominal: ineficiente, e pode cavitar</translation>
    </message>
    <message>
        <source>the pump runs at %1 % of its rated flow of %2 L/s, far left of its rated point: inefficient</source>
        <translation>a bomba funciona a %1 % do seu caudal nominal de %2 L/s, muito à esquerda do seu ponto nominal: ineficiente</translation>
    </message>
    <message>
        <source>estimated pumping time at the design flow</source>
        <translation>tempo de bombagem estimado ao caudal de projeto</translation>
    </message>
    <message>
        <source>Not designed: %1</source>
        <translation>Não dimensionado: %1</translation>
    </message>
    <message>
        <source>1 failure: %1</source>
        <translation>1 falha: %1</translation>
    </message>
    <message>
        <source>%1 failures: %2</source>
        <translation>%1 falhas: %2</translation>
    </message>
    <message>
        <source>all %1 checks pass</source>
        <translation>as %1 verificações são cumpridas</translation>
    </message>
    <message>
        <source>a pump for a pumping head above 0 m, else gravity</source>
        <translation>uma bomba para uma altura manométrica acima de 0 m; senão, por gravidade</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>m³</source>
        <translation>m³</translation>
    </message>
    <message>
        <source>L/s</source>
        <translation>L/s</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignChecksWindow</name>
    <message>
        <source>Design checks</source>
        <translation>Verificações de projeto</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Cumpre</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Não cumpre</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Não aplicável</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignCommand</name>
    <message>
        <source>--velocity takes MIN,MAX in m/s, finite and MIN below MAX, e.g. 0.5,2.0 (got %1)</source>
        <translation>--velocity espera MIN,MAX em m/s, finitos e MIN abaixo de MAX, p. ex. 0.5,2.0 (recebido %1)</translation>
    </message>
    <message>
        <source>--%1 needs a %2; leave the option out for the automatic choice</source>
        <translation>--%1 precisa de um %2; omita a opção para a escolha automática</translation>
    </message>
    <message>
        <source>Designs emergency water supplies, one site a line of SITES.csv, with the catalogs of the database folder.
The first line names the columns, in any order: Site, L (pipeline length m), Zw (source elevation m),
Zt (storage elevation m), P (population), T (pumping hours h/day), U (daily usage L/capita/day),
K (people per tap); long captions, units in brackets and semicolon files with decimal commas are read too.
Exit status: 0 all sites designed, 1 some failed, 2 bad usage, unreadable input or catalogs, or an
output that cannot be written.</source>
        <translation>Dimensiona abastecimentos de água de emergência, um local por linha de SITES.csv, com os catálogos da pasta da base de dados.
A primeira linha nomeia as colunas, por qualquer ordem: Site, L (comprimento da conduta m), Zw (cota da origem de água m),
Zt (cota do reservatório m), P (população), T (horas de bombagem h/dia), U (consumo diário L/pess./dia),
K (pessoas por torneira); também se leem títulos longos, unidades entre parênteses e ficheiros com ponto e vírgula e vírgula decimal.
Estado de saída: 0 todos os locais dimensionados, 1 alguns falharam, 2 uso incorreto, entrada ou catálogos ilegíveis, ou
uma saída que não se pode escrever.</translation>
    </message>
    <message>
        <source>The sites; - reads standard input.</source>
        <translation>Os locais; - lê a entrada padrão.</translation>
    </message>
    <message>
        <source>give either SITES.csv or --site, not both</source>
        <translation>indique SITES.csv ou --site, não ambos</translation>
    </message>
    <message>
        <source>--site takes the seven inputs L,Zw,Zt,P,T,U,K</source>
        <translation>--site espera os sete dados L,Zw,Zt,P,T,U,K</translation>
    </message>
    <message>
        <source>give one SITES.csv (or --site); see --help</source>
        <translation>indique um SITES.csv (ou --site); veja --help</translation>
    </message>
    <message>
        <source>--csv and --json exclude each other</source>
        <translation>--csv e --json excluem-se mutuamente</translation>
    </message>
    <message>
        <source>pump row or model</source>
        <translation>linha ou modelo de bomba</translation>
    </message>
    <message>
        <source>tank row or type</source>
        <translation>linha ou tipo de reservatório</translation>
    </message>
    <message>
        <source>--head-margin takes a percentage from 0 to 100 (got %1)</source>
        <translation>--head-margin espera uma percentagem de 0 a 100 (recebido %1)</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report precisa de um nome de ficheiro</translation>
    </message>
    <message>
        <source>--epanet needs a folder</source>
        <translation>--epanet precisa de uma pasta</translation>
    </message>
    <message>
        <source>--database %1: no such folder</source>
        <translation>--database %1: a pasta não existe</translation>
    </message>
    <message>
        <source>the sites file</source>
        <translation>o ficheiro de locais</translation>
    </message>
    <message>
        <source>the catalog %1</source>
        <translation>o catálogo %1</translation>
    </message>
    <message>
        <source>%1 %2: is a folder; give a file name</source>
        <translation>%1 %2: é uma pasta; indique um nome de ficheiro</translation>
    </message>
    <message>
        <source>%1 %2 is %3: refusing to write over an input</source>
        <translation>%1 %2 é %3: recusa-se a escrever sobre uma entrada</translation>
    </message>
    <message>
        <source>-o and --report name the same file %1</source>
        <translation>-o e --report indicam o mesmo ficheiro %1</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 linha %2: %3</translation>
    </message>
    <message>
        <source>%1 line %2, %3: %4</source>
        <translation>%1 linha %2, %3: %4</translation>
    </message>
    <message>
        <source>%1 line %2: no pump with a rated flow and head, so no EPANET network</source>
        <translation>%1 linha %2: nenhuma bomba com caudal e altura nominais, por isso sem rede EPANET</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Designs one site instead of a file.</source>
        <translation>Dimensiona um só local em vez de um ficheiro.</translation>
    </message>
    <message>
        <source>The name of the --site.</source>
        <translation>O nome do --site.</translation>
    </message>
    <message>
        <source>SITES.csv has no caption line: its columns are Site,L,Zw,Zt,P,T,U,K in this order.</source>
        <translation>SITES.csv não tem linha de títulos: as colunas são Site,L,Zw,Zt,P,T,U,K por esta ordem.</translation>
    </message>
    <message>
        <source>The folder of pipes.csv, pumps.csv and storage.csv (default: the program&apos;s database folder).</source>
        <translation>A pasta de pipes.csv, pumps.csv e storage.csv (por omissão: a pasta da base de dados do programa).</translation>
    </message>
    <message>
        <source>The tank type, by row or type, in any case (default: the type that holds the storage with the fewest tanks).</source>
        <translation>O tipo de reservatório, por linha ou tipo, sem distinguir maiúsculas (por omissão: o tipo que contém o armazenamento com menos reservatórios).</translation>
    </message>
    <message>
        <source>Flow velocities outside this range are warned about (default 0.5,2.0).</source>
        <translation>As velocidades de escoamento fora deste intervalo dão um aviso (por omissão 0.5,2.0).</translation>
    </message>
    <message>
        <source>Writes CSV instead of a table.</source>
        <translation>Escreve CSV em vez de uma tabela.</translation>
    </message>
    <message>
        <source>Writes JSON instead of a table.</source>
        <translation>Escreve JSON em vez de uma tabela.</translation>
    </message>
    <message>
        <source>Writes to FILE (- standard output), replacing it only when complete.</source>
        <translation>Escreve em FILE (- saída padrão), substituindo-o só quando completo.</translation>
    </message>
    <message>
        <source>Writes each designed site as an EPANET network, DIR/&lt;site&gt;.inp, to run in EPANET: the pump on its rated-point curve, the pipeline, the tank and the day&apos;s demand over 24 hours.</source>
        <translation>Escreve cada local dimensionado como rede EPANET, DIR/&lt;site&gt;.inp, para correr no EPANET: a bomba na curva do ponto nominal, a conduta, o reservatório e a procura do dia em 24 horas.</translation>
    </message>
    <message>
        <source>Adds the bill of quantities: pumps, tanks, tapstand kits, pipe metres, people and daily demand.</source>
        <translation>Acrescenta o mapa de quantidades: bombas, reservatórios, kits de fontanários, metros de conduta, pessoas e procura diária.</translation>
    </message>
    <message>
        <source>The language of the messages, the table and the report: en, fr, es, pt or ar (default: the user&apos;s locale). CSV, JSON and network files are English in every language.</source>
        <translation>A língua das mensagens, da tabela e do relatório: en, fr, es, pt ou ar (por omissão: a língua do utilizador). Os ficheiros CSV, JSON e de rede ficam em inglês em todas as línguas.</translation>
    </message>
    <message>
        <source>%1 line %2: not designed: %3</source>
        <translation>%1 linha %2: não dimensionado: %3</translation>
    </message>
    <message>
        <source>The pump for every site, by row or model, in any case (default: of the pumps that fill the tank, the least rated power among those running at 80 to 120 % of their rated flow within the velocity limit, else the least rated power).</source>
        <translation>A bomba para todos os locais, por linha ou modelo, sem distinguir maiúsculas (por omissão: das bombas que enchem o reservatório, a menor potência nominal entre as que funcionam entre 80 e 120 % do seu caudal nominal dentro do limite de velocidade; senão, a menor potência nominal).</translation>
    </message>
    <message>
        <source>How far beyond the pumping head an automatically chosen pump&apos;s head at the design flow must reach, in percent (default 10).</source>
        <translation>Quanto a altura de uma bomba escolhida automaticamente ao caudal de projeto deve ultrapassar a altura manométrica, em percentagem (por omissão 10).</translation>
    </message>
    <message>
        <source>Writes a PDF report: a page a designed site, a table of those not designed.</source>
        <translation>Escreve um relatório PDF: uma página por local dimensionado e uma tabela dos não dimensionados.</translation>
    </message>
    <message>
        <source>The engineer the report names as having prepared it, remembered for later reports.</source>
        <translation>O engenheiro que o relatório indica como autor, memorizado para os relatórios seguintes.</translation>
    </message>
    <message>
        <source>The engineer&apos;s organisation on the report, remembered for later reports.</source>
        <translation>A organização do engenheiro no relatório, memorizada para os relatórios seguintes.</translation>
    </message>
    <message>
        <source>The pipeline&apos;s route for the --site, from the source to the tank: a CSV file of distance and elevation, or a GPX track. A sites file names each site&apos;s in its Profile column.</source>
        <translation>O traçado da conduta do --site, da origem de água ao reservatório: um ficheiro CSV de distâncias e elevações, ou um trajeto GPX. Um ficheiro de locais indica o de cada local na sua coluna Profile.</translation>
    </message>
    <message>
        <source>--profile goes with --site; a sites file names each site&apos;s profile in its Profile column</source>
        <translation>--profile acompanha --site; um ficheiro de locais indica o perfil de cada local na sua coluna Profile</translation>
    </message>
    <message>
        <source>the profile</source>
        <translation>o perfil</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignReport</name>
    <message>
        <source>Bill of quantities</source>
        <translation>Mapa de quantidades</translation>
    </message>
    <message>
        <source>Site on line %1</source>
        <translation>Local da linha %1</translation>
    </message>
    <message>
        <source>Line %1 of the sites file</source>
        <translation>Linha %1 do ficheiro de locais</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>none, gravity supply</source>
        <translation>nenhuma, abastecimento por gravidade</translation>
    </message>
    <message>
        <source>no catalog pump reaches the duty</source>
        <translation>nenhuma bomba do catálogo atinge o ponto de serviço</translation>
    </message>
    <message>
        <source>Pump: %1</source>
        <translation>Bomba: %1</translation>
    </message>
    <message>
        <source>Tank: %1</source>
        <translation>Armazenamento: %1</translation>
    </message>
    <message>
        <source>Flow velocity %1 m/s, hydraulic gradient %2 m/km</source>
        <translation>Velocidade de escoamento %1 m/s, gradiente hidráulico %2 m/km</translation>
    </message>
    <message>
        <source>The PDF writer could not finish the document</source>
        <translation>O gerador de PDF não conseguiu terminar o documento</translation>
    </message>
    <message>
        <source>Rated point: %1 L/s at %2 m</source>
        <translation>Ponto nominal: %1 L/s a %2 m</translation>
    </message>
    <message>
        <source>Operating point on this pipeline: %1 L/s at %2 m, %3 h/day</source>
        <translation>Ponto de funcionamento nesta conduta: %1 L/s a %2 m, %3 h/dia</translation>
    </message>
    <message>
        <source>people</source>
        <translation>pessoas</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>h/dia</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>L/pessoa/dia</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>L/min</source>
        <translation>L/min</translation>
    </message>
    <message>
        <source>in</source>
        <translation>pol</translation>
    </message>
    <message>
        <source>m³</source>
        <translation>m³</translation>
    </message>
    <message>
        <source>pump</source>
        <translation>bomba</translation>
    </message>
    <message>
        <source>tanks</source>
        <translation>reservatórios</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>kits</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>cumpre</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>falha</translation>
    </message>
    <message>
        <source>not applicable</source>
        <translation>não aplicável</translation>
    </message>
    <message>
        <source>Prepared by %1</source>
        <translation>Preparado por %1</translation>
    </message>
    <message>
        <source>Quorvel %1 design report</source>
        <translation>Relatório de dimensionamento Quorvel %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Friction loss by Hazen-Williams with C = 140 on the pipe&apos;s inside diameter; suction and minor losses are left out.</source>
        <translation>Perda de carga por Hazen-Williams com C = 140 no diâmetro interior do tubo; a aspiração e as perdas localizadas são desprezadas.</translation>
    </message>
    <message>
        <source>Pump curve through the rated point alone: H(q) = 4/3 Hᵣ − Hᵣ/3 · (q/Qᵣ)², 4/3 of the rated head at shut-off and no head at twice the rated flow; the operating point is where it meets the system curve (static lift plus friction loss).</source>
        <translation>Curva da bomba pelo ponto nominal apenas: H(q) = 4/3 Hᵣ − Hᵣ/3 · (q/Qᵣ)², 4/3 da altura nominal a caudal nulo e nenhuma altura ao dobro do caudal nominal; o ponto de funcionamento é o seu encontro com a curva do sistema (desnível mais perda de carga).</translation>
    </message>
    <message>
        <source>Checks: daily usage at least 15 L/person/day and at most 250 people per tap (Sphere minimum standards); flow velocity %1 to %2 m/s; a pump near its rated point at %3 to %4 % of its rated flow; at most 24 h/day at the operating point.</source>
        <translation>Verificações: consumo de pelo menos 15 L/pessoa/dia e no máximo 250 pessoas por torneira (normas mínimas Esfera); velocidade de escoamento de %1 a %2 m/s; uma bomba perto do seu ponto nominal, entre %3 e %4 % do seu caudal nominal; no máximo 24 h/dia no ponto de funcionamento.</translation>
    </message>
    <message>
        <source>An automatically chosen pump reaches the pumping head plus %1 % at the design flow.</source>
        <translation>Uma bomba escolhida automaticamente atinge a altura manométrica mais %1 % ao caudal de projeto.</translation>
    </message>
    <message>
        <source>Water supply design: %1</source>
        <translation>Dimensionamento do abastecimento de água: %1</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Abastecimento</translation>
    </message>
    <message>
        <source>Gravity flow on this pipeline: %1 L/s, %2 h/day</source>
        <translation>Caudal por gravidade nesta conduta: %1 L/s, %2 h/dia</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Verificações</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>Pressupostos</translation>
    </message>
    <message>
        <source>Sites not designed</source>
        <translation>Locais não dimensionados</translation>
    </message>
    <message>
        <source>%1 sites</source>
        <translation>%1 locais</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Duty point</source>
        <translation>Curvas de funcionamento</translation>
    </message>
    <message>
        <source>As stated on page %1 for every site of this report.</source>
        <translation>Os indicados na página %1 para todos os locais deste relatório.</translation>
    </message>
    <message>
        <source>Every site of this report was designed and checked on these assumptions:</source>
        <translation>Todos os locais deste relatório foram dimensionados e verificados com estes pressupostos:</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignSummary</name>
    <message>
        <source>unit</source>
        <translation>unidade</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Locais</translation>
    </message>
    <message>
        <source>designed</source>
        <translation>dimensionados</translation>
    </message>
    <message>
        <source>sites</source>
        <translation>locais</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>falhados</translation>
    </message>
    <message>
        <source>gravity supply, no pump</source>
        <translation>por gravidade, sem bomba</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>Bombas</translation>
    </message>
    <message>
        <source>Tanks</source>
        <translation>Reservatórios</translation>
    </message>
    <message>
        <source>Tapstand kits</source>
        <translation>Kits de fontanários</translation>
    </message>
    <message>
        <source>kits of 6 taps</source>
        <translation>kits de 6 torneiras</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Conduta</translation>
    </message>
    <message>
        <source>nominal %1&quot;</source>
        <translation>DN %1&quot;</translation>
    </message>
    <message>
        <source>People served</source>
        <translation>Pessoas abastecidas</translation>
    </message>
    <message>
        <source>people</source>
        <translation>pessoas</translation>
    </message>
    <message>
        <source>Daily demand</source>
        <translation>Procura diária</translation>
    </message>
    <message>
        <source>line %1: %2 L/s at a pumping head of %3 m</source>
        <translation>linha %1: %2 L/s a uma altura manométrica de %3 m</translation>
    </message>
    <message>
        <source>%1 (line %2): %3 L/s at a pumping head of %4 m</source>
        <translation>%1 (linha %2): %3 L/s a uma altura manométrica de %4 m</translation>
    </message>
    <message>
        <source>Pumps to be sourced</source>
        <translation>Bombas a adquirir</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>m³/day</source>
        <translation>m³/dia</translation>
    </message>
</context>
<context>
    <name>quorvel::DiametersWindow</name>
    <message>
        <source>Diameters</source>
        <translation>Diâmetros</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quorvel::DutyChart</name>
    <message>
        <source>Available fall</source>
        <translation>Desnível disponível</translation>
    </message>
    <message>
        <source>Pump curve</source>
        <translation>Curva da bomba</translation>
    </message>
    <message>
        <source>Friction loss</source>
        <translation>Perda de carga</translation>
    </message>
    <message>
        <source>System curve</source>
        <translation>Curva da instalação</translation>
    </message>
    <message>
        <source>Rated point</source>
        <translation>Ponto nominal</translation>
    </message>
    <message>
        <source>Design duty</source>
        <translation>Ponto de projeto</translation>
    </message>
    <message>
        <source>Gravity flow</source>
        <translation>Caudal por gravidade</translation>
    </message>
    <message>
        <source>Operating point</source>
        <translation>Ponto de funcionamento</translation>
    </message>
    <message>
        <source>Flow (L/s)</source>
        <translation>Caudal (L/s)</translation>
    </message>
    <message>
        <source>Head (m)</source>
        <translation>Altura (m)</translation>
    </message>
    <message>
        <source>No operating point: the pump cannot lift the water</source>
        <translation>Sem ponto de funcionamento: a bomba não consegue elevar a água</translation>
    </message>
</context>
<context>
    <name>quorvel::EpanetExport</name>
    <message>
        <source>--epanet %1: is a file; give a folder</source>
        <translation>--epanet %1: é um ficheiro; indique uma pasta</translation>
    </message>
    <message>
        <source>--epanet %1: cannot create the folder</source>
        <translation>--epanet %1: não é possível criar a pasta</translation>
    </message>
</context>
<context>
    <name>quorvel::Error</name>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
</context>
<context>
    <name>quorvel::Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o ficheiro «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o ficheiro «%1». %2</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erro de escrita do ficheiro</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fora dos limites (%1)</translation>
    </message>
    <message>
        <source>File is larger than 256 MB</source>
        <translation>O ficheiro excede 256 MB</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um ficheiro normal</translation>
    </message>
</context>
<context>
    <name>quorvel::InputChecks</name>
    <message>
        <source>pipeline length</source>
        <translation>comprimento da conduta</translation>
    </message>
    <message>
        <source>above 0 m</source>
        <translation>mais de 0 m</translation>
    </message>
    <message>
        <source>water source elevation</source>
        <translation>cota da origem de água</translation>
    </message>
    <message>
        <source>storage elevation</source>
        <translation>cota do reservatório</translation>
    </message>
    <message>
        <source>population</source>
        <translation>população</translation>
    </message>
    <message>
        <source>people</source>
        <translation>pessoas</translation>
    </message>
    <message>
        <source>above 0 people</source>
        <translation>mais de 0 pessoas</translation>
    </message>
    <message>
        <source>pumping time</source>
        <translation>tempo de bombagem</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>h/dia</translation>
    </message>
    <message>
        <source>above 0 and at most 24 h/day</source>
        <translation>mais de 0 e no máximo 24 h/dia</translation>
    </message>
    <message>
        <source>daily usage</source>
        <translation>consumo diário</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>L/pess./dia</translation>
    </message>
    <message>
        <source>above 0 L/person/day</source>
        <translation>mais de 0 L/pess./dia</translation>
    </message>
    <message>
        <source>people per tap</source>
        <translation>pessoas por torneira</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>any finite number</source>
        <translation>qualquer número finito</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export Design Report…</source>
        <translation>Exportar relatório…</translation>
    </message>
    <message>
        <source>Open Diameters File</source>
        <translation>Abrir ficheiro de diâmetros</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>Recursos</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>Bombas</translation>
    </message>
    <message>
        <source>Distribution Tanks</source>
        <translation>Reservatórios de distribuição</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Quorvel</source>
        <translation>Quorvel</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca do Quorvel</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abrir um ficheiro</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Guardar o projeto atual</translation>
    </message>
    <message>
        <source>Print the current project</source>
        <translation>Imprimir o projeto atual</translation>
    </message>
    <message>
        <source>Open the Pipes file</source>
        <translation>Abrir o ficheiro de condutas</translation>
    </message>
    <message>
        <source>Open the Pumps file</source>
        <translation>Abrir o ficheiro de bombas</translation>
    </message>
    <message>
        <source>Open the Tanks file</source>
        <translation>Abrir o ficheiro de reservatórios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projeto:</translation>
    </message>
    <message>
        <source>To Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Ficheiros PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export EPANET Network…</source>
        <translation>Exportar rede EPANET…</translation>
    </message>
    <message>
        <source>EPANET networks (*.inp)|*.inp</source>
        <translation>Redes EPANET (*.inp)|*.inp</translation>
    </message>
    <message>
        <source>No design to export: calculate first</source>
        <translation>Nenhum projeto para exportar: calcule primeiro</translation>
    </message>
    <message>
        <source>Not exported while the design fails: %1</source>
        <translation>Não se exporta enquanto o projeto falhar: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>quorvel::Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» não é um número válido (ponto decimal)</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operação de vírgula flutuante inválida</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Excesso de capacidade numérica</translation>
    </message>
</context>
<context>
    <name>quorvel::Pictures</name>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensão de ficheiro de imagem desconhecida (.%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
</context>
<context>
    <name>quorvel::PipeRatings</name>
    <message>
        <source>%1 line 1: no column %2; expected the captions No, Material, Nominal (in), Rated pressure (bar), Wave speed (m/s), Source</source>
        <translation>%1 linha 1: nenhuma coluna %2; esperavam-se os cabeçalhos No, Material, Nominal (in), Rated pressure (bar), Wave speed (m/s), Source</translation>
    </message>
    <message>
        <source>%1 line %2, %3: &apos;%4&apos; is not a positive number</source>
        <translation>%1 linha %2, %3: «%4» não é um número positivo</translation>
    </message>
</context>
<context>
    <name>quorvel::PrinterChoiceDialog</name>
    <message>
        <source>Printer</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>quorvel::Printing</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Não há nenhuma impressora predefinida selecionada</translation>
    </message>
    <message>
        <source>Operation not supported on selected printer</source>
        <translation>Operação não suportada pela impressora selecionada</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>A impressora selecionada não é válida</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>A impressora não está a imprimir</translation>
    </message>
    <message>
        <source>Printer index out of range</source>
        <translation>Número de impressora fora do intervalo</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Impressão em curso</translation>
    </message>
</context>
<context>
    <name>quorvel::ProjectFiles</name>
    <message>
        <source>Main pipeline files</source>
        <translation>Ficheiros de conduta principal</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os ficheiros</translation>
    </message>
    <message>
        <source>Enter the project name</source>
        <translation>Introduza o nome do projeto</translation>
    </message>
    <message>
        <source>The project has changed. Would you like to save the changes?</source>
        <translation>O projeto foi alterado. Deseja guardar as alterações?</translation>
    </message>
</context>
<context>
    <name>quorvel::ProjectSheet</name>
    <message>
        <source>Water Source Elevation</source>
        <translation>Cota da origem de água</translation>
    </message>
    <message>
        <source>Storage Elevation</source>
        <translation>Cota do reservatório</translation>
    </message>
    <message>
        <source>Pipeline Length</source>
        <translation>Comprimento da conduta</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>População</translation>
    </message>
    <message>
        <source>Water source elevation= </source>
        <translation>Cota da origem de água = </translation>
    </message>
</context>
<context>
    <name>quorvel::PumpsWindow</name>
    <message>
        <source>Pumps information</source>
        <translation>Catálogo de bombas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add Graph</source>
        <translation>Juntar curva</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Apagar linha</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Inserir linha</translation>
    </message>
    <message>
        <source>%1 more pumps in %2 are kept but not shown</source>
        <translation>Mais %1 bombas em %2 são guardadas mas não mostradas</translation>
    </message>
    <message>
        <source>Main pipeline files</source>
        <translation>Ficheiros de conduta principal</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os ficheiros</translation>
    </message>
    <message>
        <source>The file is now available</source>
        <translation>O ficheiro já está disponível</translation>
    </message>
    <message>
        <source>The file is not available. Check if the file exists yet</source>
        <translation>O ficheiro não está disponível. Verifique se existe</translation>
    </message>
    <message>
        <source>1 more pump in %2 is kept but not shown</source>
        <translation>Mais 1 bomba em %2 é guardada mas não mostrada</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportAuthorDialog</name>
    <message>
        <source>Design Report</source>
        <translation>Relatório de dimensionamento</translation>
    </message>
    <message>
        <source>The report&apos;s header names who prepared it. Leave both empty to name no one.</source>
        <translation>O cabeçalho do relatório indica quem o preparou. Deixe os dois campos vazios para não indicar ninguém.</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Preparado por:</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>Organização:</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportExport</name>
    <message>
        <source>Untitled project</source>
        <translation>Projeto sem título</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. A design report is a PDF file (.pdf)</source>
        <translation>Não é possível criar o ficheiro «%1». Um relatório de projeto é um ficheiro PDF (.pdf)</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Não é possível escrever o ficheiro «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. An EPANET network is an .inp file</source>
        <translation>Não é possível criar o ficheiro «%1». Uma rede EPANET é um ficheiro .inp</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. The pump &quot;%2&quot; has no rated flow and head in the pump catalog</source>
        <translation>Não é possível criar o ficheiro «%1». A bomba «%2» não tem caudal nem altura nominais no catálogo de bombas</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultWriter</name>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Pump description</source>
        <translation>Descrição da bomba</translation>
    </message>
    <message>
        <source>Tank description</source>
        <translation>Descrição do reservatório</translation>
    </message>
    <message>
        <source>Flow velocity (m/s)</source>
        <translation>Velocidade de escoamento (m/s)</translation>
    </message>
    <message>
        <source>Hydraulic gradient (m/km)</source>
        <translation>Gradiente hidráulico (m/km)</translation>
    </message>
    <message>
        <source>Operating flow (L/s)</source>
        <translation>Caudal de funcionamento (L/s)</translation>
    </message>
    <message>
        <source>Operating head (m)</source>
        <translation>Altura de funcionamento (m)</translation>
    </message>
    <message>
        <source>Hours at operating flow (h/day)</source>
        <translation>Horas ao caudal de funcionamento (h/dia)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantidade</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>erro: </translation>
    </message>
    <message>
        <source>not designed: </source>
        <translation>não dimensionado: </translation>
    </message>
</context>
<context>
    <name>quorvel::RouteChecks</name>
    <message>
        <source>at most the pipe&apos;s rating of %1 m (%2 bar)</source>
        <translation>no máximo a pressão nominal da conduta, %1 m (%2 bar)</translation>
    </message>
    <message>
        <source>static pressure %1 m at %2 m above the pipe&apos;s rating of %3 m: break-pressure tanks at %4 m</source>
        <translation>pressão estática %1 m a %2 m, acima da pressão nominal da conduta, %3 m: caixas de quebra de pressão a %4 m</translation>
    </message>
    <message>
        <source>pressure %1 m at %2 m above the pipe&apos;s rating of %3 m: a pipe of a higher pressure class</source>
        <translation>pressão %1 m a %2 m, acima da pressão nominal da conduta, %3 m: uma conduta de classe de pressão superior</translation>
    </message>
    <message>
        <source>pressure rating</source>
        <translation>pressão nominal</translation>
    </message>
    <message>
        <source>pressure plus Joukowsky&apos;s rise a·V/g at most the pipe&apos;s rating of %1 m</source>
        <translation>pressão mais a sobrepressão de Joukowsky a·V/g no máximo a pressão nominal da conduta, %1 m</translation>
    </message>
    <message>
        <source>surge when the pump trips</source>
        <translation>golpe de aríete na paragem da bomba</translation>
    </message>
    <message>
        <source>no pump: a gravity supply</source>
        <translation>sem bomba: abastecimento por gravidade</translation>
    </message>
    <message>
        <source>surge when the pump trips: %1 m at %2 m (a rise of %3 m for %4 m/s) above the pipe&apos;s rating of %5 m: surge protection or a stronger pipe (a screen, not a transient simulation)</source>
        <translation>golpe de aríete na paragem da bomba: %1 m a %2 m (uma sobrepressão de %3 m para %4 m/s), acima da pressão nominal da conduta, %5 m: proteção contra o golpe de aríete ou uma conduta mais resistente (uma estimativa, não uma simulação de transitórios)</translation>
    </message>
    <message>
        <source>pressure less Joukowsky&apos;s fall above the vapour pressure</source>
        <translation>pressão menos a depressão de Joukowsky acima da pressão de vapor</translation>
    </message>
    <message>
        <source>pressure drop when the pump trips</source>
        <translation>depressão na paragem da bomba</translation>
    </message>
    <message>
        <source>pressure drop when the pump trips: %1 m at %2 m, below the vapour pressure of %3 m: the water column may part (a screen, not a transient simulation)</source>
        <translation>depressão na paragem da bomba: %1 m a %2 m, abaixo da pressão de vapor de %3 m: a coluna de água pode romper-se (uma estimativa, não uma simulação de transitórios)</translation>
    </message>
    <message>
        <source>at least %1 m above the ground everywhere</source>
        <translation>pelo menos %1 m acima do terreno em todo o traçado</translation>
    </message>
    <message>
        <source>grade line less than %1 m above the ground from %2 m: the pipe runs under vacuum and draws dirty water in</source>
        <translation>linha piezométrica a menos de %1 m acima do terreno de %2 m: a conduta trabalha em depressão e aspira água suja</translation>
    </message>
    <message>
        <source>grade line above the ground</source>
        <translation>linha piezométrica acima do terreno</translation>
    </message>
    <message>
        <source>air valves</source>
        <translation>ventosas</translation>
    </message>
    <message>
        <source>air valves at the high points at %1 m</source>
        <translation>ventosas nos pontos altos a %1 m</translation>
    </message>
    <message>
        <source>one at each high point</source>
        <translation>uma em cada ponto alto</translation>
    </message>
    <message>
        <source>washouts</source>
        <translation>descargas</translation>
    </message>
    <message>
        <source>washouts at the low points at %1 m</source>
        <translation>descargas nos pontos baixos a %1 m</translation>
    </message>
    <message>
        <source>one at each low point</source>
        <translation>uma em cada ponto baixo</translation>
    </message>
    <message>
        <source>route&apos;s source elevation</source>
        <translation>elevação da origem de água no traçado</translation>
    </message>
    <message>
        <source>the route starts at %1 m, the water source elevation is %2 m; the calculation keeps the typed elevation</source>
        <translation>o traçado começa a %1 m, a elevação da origem de água é %2 m; o cálculo mantém a elevação introduzida</translation>
    </message>
    <message>
        <source>within %1 m of the water source elevation</source>
        <translation>a no máximo %1 m da elevação da origem de água</translation>
    </message>
    <message>
        <source>route&apos;s storage elevation</source>
        <translation>elevação do reservatório no traçado</translation>
    </message>
    <message>
        <source>the route ends at %1 m, the storage elevation is %2 m; the calculation keeps the typed elevation</source>
        <translation>o traçado termina a %1 m, a elevação do reservatório é %2 m; o cálculo mantém a elevação introduzida</translation>
    </message>
    <message>
        <source>within %1 m of the storage elevation</source>
        <translation>a no máximo %1 m da elevação do reservatório</translation>
    </message>
    <message>
        <source>route&apos;s length</source>
        <translation>comprimento do traçado</translation>
    </message>
    <message>
        <source>the route is %1 m long, the pipeline length is %2 m; the calculation keeps the typed length</source>
        <translation>o traçado mede %1 m, o comprimento da conduta é %2 m; o cálculo mantém o comprimento introduzido</translation>
    </message>
    <message>
        <source>within %1 % of the pipeline length</source>
        <translation>a no máximo %1 % do comprimento da conduta</translation>
    </message>
    <message>
        <source>the pipe has no rating in the pipe ratings</source>
        <translation>a conduta não tem pressão nominal no catálogo de pressões nominais</translation>
    </message>
</context>
<context>
    <name>quorvel::RouteFile</name>
    <message>
        <source>%1 line %2, %3: %4 m does not rise above the %5 m before it</source>
        <translation>%1 linha %2, %3: %4 m não ultrapassa os %5 m anteriores</translation>
    </message>
    <message>
        <source>%1: the file holds no line; expected the captions Distance and Elevation, then one point a line</source>
        <translation>%1: o ficheiro não contém nenhuma linha; esperavam-se os cabeçalhos Distance e Elevation e depois um ponto por linha</translation>
    </message>
    <message>
        <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
        <translation>%1: separado por ponto e vírgula com vírgula decimal, lido como uma folha de cálculo europeia o guarda</translation>
    </message>
    <message>
        <source>column 1</source>
        <translation>coluna 1</translation>
    </message>
    <message>
        <source>column 2</source>
        <translation>coluna 2</translation>
    </message>
    <message>
        <source>%1 line 1: no column for %2; expected the captions Distance (m) and Elevation (m), in any order</source>
        <translation>%1 linha 1: nenhuma coluna para %2; esperavam-se os cabeçalhos Distance (m) e Elevation (m), em qualquer ordem</translation>
    </message>
    <message>
        <source>the distance</source>
        <translation>a distância</translation>
    </message>
    <message>
        <source>the elevation</source>
        <translation>a elevação</translation>
    </message>
    <message>
        <source>%1 line %2, %3: &apos;%4&apos; is not a finite number</source>
        <translation>%1 linha %2, %3: «%4» não é um número finito</translation>
    </message>
    <message>
        <source>%1 line %2: point %3 has no latitude and longitude in degrees</source>
        <translation>%1 linha %2: o ponto %3 não tem latitude e longitude em graus</translation>
    </message>
    <message>
        <source>%1 line %2: point %3 has no elevation; a route needs the ground&apos;s elevation at every point</source>
        <translation>%1 linha %2: o ponto %3 não tem elevação; um traçado precisa da elevação do terreno em cada ponto</translation>
    </message>
    <message>
        <source>%1 line %2: not a GPX file as XML writes it: %3</source>
        <translation>%1 linha %2: não é um ficheiro GPX como o XML o escreve: %3</translation>
    </message>
    <message>
        <source>%1: %2 points at the place of the point before counted once</source>
        <translation>%1: %2 pontos no lugar do ponto anterior contados uma vez</translation>
    </message>
    <message>
        <source>%1: a route needs at least two points, the source and the tank; the file has %2</source>
        <translation>%1: um traçado precisa de pelo menos dois pontos, a origem de água e o reservatório; o ficheiro tem %2</translation>
    </message>
</context>
<context>
    <name>quorvel::Sheet</name>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Pump discharge pipeline length</source>
        <translation>Comprimento conduta elevatória</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Water source elevation</source>
        <translation>Cota da origem de água</translation>
    </message>
    <message>
        <source>Storage elevation</source>
        <translation>Cota do reservatório</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>População</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <source>Pumping Time</source>
        <translation>Tempo de bombagem</translation>
    </message>
    <message>
        <source>Hours/day</source>
        <translation>Horas/dia</translation>
    </message>
    <message>
        <source>Daily Usage</source>
        <translation>Consumo diário</translation>
    </message>
    <message>
        <source>L/capita/day</source>
        <translation>L/pess./dia</translation>
    </message>
    <message>
        <source># people per tap</source>
        <translation>N.º pessoas por torneira</translation>
    </message>
    <message>
        <source>people</source>
        <translation>pessoas</translation>
    </message>
    <message>
        <source>Q design</source>
        <translation>Caudal de projeto</translation>
    </message>
    <message>
        <source>LPM</source>
        <translation>L/min</translation>
    </message>
    <message>
        <source>Nominal Diameter</source>
        <translation>Diâmetro nominal</translation>
    </message>
    <message>
        <source>HF</source>
        <translation>Perda de carga</translation>
    </message>
    <message>
        <source>M</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Pumping Head</source>
        <translation>Altura manométrica</translation>
    </message>
    <message>
        <source>Theoretical Storage</source>
        <translation>Armazenamento teórico</translation>
    </message>
    <message>
        <source>M^3</source>
        <translation>m³</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Reservatório</translation>
    </message>
    <message>
        <source>Actual Storage</source>
        <translation>Armazenamento real</translation>
    </message>
    <message>
        <source>Estimated Actual Pumping Time</source>
        <translation>Tempo real bombagem (est.)</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source># tapstand kits (6 taps)</source>
        <translation>N.º kits de fontanários (6 torn.)</translation>
    </message>
    <message>
        <source>%1 pump %2 model</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Tank %2 M^3</source>
        <translation>Reservatório %1 %2 m³</translation>
    </message>
</context>
<context>
    <name>quorvel::SheetChecks</name>
    <message>
        <source>No checks: the pump catalog no longer holds &quot;%1&quot;</source>
        <translation>Sem verificações: o catálogo de bombas já não contém «%1»</translation>
    </message>
    <message>
        <source>No checks: the tanks catalog no longer holds &quot;%1&quot;</source>
        <translation>Sem verificações: o catálogo de reservatórios já não contém «%1»</translation>
    </message>
    <message>
        <source>No checks: the results cannot be worked out again (%1)</source>
        <translation>Sem verificações: não é possível recalcular os resultados (%1)</translation>
    </message>
    <message>
        <source>No checks: the results no longer follow from the catalogs; calculate again</source>
        <translation>Sem verificações: os resultados já não decorrem dos catálogos; calcule de novo</translation>
    </message>
</context>
<context>
    <name>quorvel::SheetLayout</name>
    <message>
        <source>Water Source Elevation= </source>
        <translation>Cota da origem de água = </translation>
    </message>
    <message>
        <source>Storage Elevation= </source>
        <translation>Cota do reservatório = </translation>
    </message>
    <message>
        <source>Pipeline Length= </source>
        <translation>Comprimento da conduta = </translation>
    </message>
    <message>
        <source>Population= </source>
        <translation>População = </translation>
    </message>
</context>
<context>
    <name>quorvel::SiteDesigner</name>
    <message>
        <source>%1 holds no usable pipe</source>
        <translation>%1 não contém nenhuma conduta utilizável</translation>
    </message>
    <message>
        <source>%1 has no &quot;Flow (L/s)&quot; and &quot;Head (m)&quot; columns: name a pump with --pump</source>
        <translation>%1 não tem colunas «Flow (L/s)» e «Head (m)»: indique uma bomba com --pump</translation>
    </message>
    <message>
        <source>%1 has no pump %2; its models are %3</source>
        <translation>%1 não tem a bomba %2; os modelos são %3</translation>
    </message>
    <message>
        <source>%1 holds no tank</source>
        <translation>%1 não contém nenhum reservatório</translation>
    </message>
    <message>
        <source>%1 has no tank %2; its types are %3</source>
        <translation>%1 não tem o reservatório %2; os tipos são %3</translation>
    </message>
    <message>
        <source>gravity supply: the storage is below the source, no pump needed</source>
        <translation>abastecimento por gravidade: o reservatório está abaixo da origem, sem bomba</translation>
    </message>
    <message>
        <source>pump: named</source>
        <translation>bomba: indicada</translation>
    </message>
    <message>
        <source>%1 L/s at %2 m (pumping head %3 m + %4 %)</source>
        <translation>%1 L/s a %2 m (altura manométrica %3 m + %4 %)</translation>
    </message>
    <message>
        <source>%1 tanks round to 0 for a theoretical storage of %2 m³: choose a smaller tank</source>
        <translation>%1: o número de reservatórios arredonda para 0 com um armazenamento teórico de %2 m³; escolha um reservatório mais pequeno</translation>
    </message>
    <message>
        <source>tank: fewest tanks (%1) holding %2 m³</source>
        <translation>reservatório: menos reservatórios (%1) que contêm %2 m³</translation>
    </message>
    <message>
        <source>%1 (got %2)</source>
        <translation>%1 (recebido %2)</translation>
    </message>
    <message>
        <source>%1: blank line — row skipped</source>
        <translation>%1: linha vazia — linha ignorada</translation>
    </message>
    <message>
        <source>%1, %2: &apos;%3&apos; is not %4 — row skipped</source>
        <translation>%1, %2: «%3» não é %4 — linha ignorada</translation>
    </message>
    <message>
        <source>a positive number</source>
        <translation>um número positivo</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>um número</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>em falta</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>must be greater than 0</source>
        <translation>deve ser maior que 0</translation>
    </message>
    <message>
        <source>must be at most 24 hours a day</source>
        <translation>deve ser no máximo 24 horas por dia</translation>
    </message>
    <message>
        <source>gravity flow %1 L/s: %2 h/day deliver the day&apos;s demand</source>
        <translation>caudal por gravidade %1 L/s: %2 h/dia fornecem a procura do dia</translation>
    </message>
    <message>
        <source>the pump needs %1 h/day at its operating flow of %2 L/s; the estimated actual pumping time is at the design flow of %3 L/s</source>
        <translation>a bomba precisa de %1 h/dia ao seu caudal de funcionamento de %2 L/s; o tempo real de bombagem estimado corresponde ao caudal de projeto de %3 L/s</translation>
    </message>
    <message>
        <source>pump: smallest rated flow of %1 reaching %2</source>
        <translation>bomba: menor caudal nominal de %1 que atingem %2</translation>
    </message>
    <message>
        <source>pump: least power (%1 kW) of the %2 that run at 80 to 120 % of their rated flow within the velocity limit, of %3 reaching %4</source>
        <translation>bomba: menor potência (%1 kW) das que funcionam entre 80 e 120 % do seu caudal nominal dentro do limite de velocidade (%2 de %3 que atingem %4)</translation>
    </message>
    <message>
        <source>pump: least power (%1 kW) of %2 reaching %3; none runs at 80 to 120 % of its rated flow within the velocity limit</source>
        <translation>bomba: menor potência (%1 kW) de %2 que atingem %3; nenhuma funciona entre 80 e 120 % do seu caudal nominal dentro do limite de velocidade</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 linha %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1</source>
        <translation>bomba: a única que atinge %1</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1, at 80 to 120 % of its rated flow within the velocity limit (%2 kW)</source>
        <translation>bomba: a única que atinge %1, entre 80 e 120 % do seu caudal nominal dentro do limite de velocidade (%2 kW)</translation>
    </message>
    <message>
        <source>pump: of %1 reaching %2, the only one at 80 to 120 % of its rated flow within the velocity limit (%3 kW)</source>
        <translation>bomba: de %1 que atingem %2, a única entre 80 e 120 % do seu caudal nominal dentro do limite de velocidade (%3 kW)</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1 (%2 kW); it does not run at 80 to 120 % of its rated flow within the velocity limit</source>
        <translation>bomba: a única que atinge %1 (%2 kW); não funciona entre 80 e 120 % do seu caudal nominal dentro do limite de velocidade</translation>
    </message>
</context>
<context>
    <name>quorvel::SitesFile</name>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>Cannot read the standard input</source>
        <translation>Não é possível ler a entrada padrão</translation>
    </message>
    <message>
        <source>%1: the file holds no line; expected captions, then one site a line</source>
        <translation>%1: o ficheiro não contém nenhuma linha; esperados títulos e depois um local por linha</translation>
    </message>
    <message>
        <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
        <translation>%1: separado por ponto e vírgula com vírgula decimal, lido como uma folha de cálculo europeia o guarda</translation>
    </message>
    <message>
        <source>%1: the file holds no site, only its caption line</source>
        <translation>%1: o ficheiro não contém nenhum local, só a linha de títulos</translation>
    </message>
    <message>
        <source>expected the captions Site and %1, in any order; a file without captions needs --no-header</source>
        <translation>esperados os títulos Site e %1, por qualquer ordem; um ficheiro sem títulos precisa de --no-header</translation>
    </message>
    <message>
        <source>%1 line 1: no known caption; %2</source>
        <translation>%1 linha 1: nenhum título conhecido; %2</translation>
    </message>
    <message>
        <source>%1 line 1: no column for %2; %3</source>
        <translation>%1 linha 1: não há coluna para %2; %3</translation>
    </message>
    <message>
        <source>%1 line 1: the input of column &quot;%2&quot; has a column already</source>
        <translation>%1 linha 1: o dado da coluna «%2» já tem uma coluna</translation>
    </message>
    <message>
        <source>%1: 1 blank row skipped</source>
        <translation>%1: 1 linha vazia ignorada</translation>
    </message>
    <message>
        <source>%1: %2 blank rows skipped</source>
        <translation>%1: %2 linhas vazias ignoradas</translation>
    </message>
    <message>
        <source>ambiguous point: with decimal commas a point only separates thousands, as in 1.200,5</source>
        <translation>ponto ambíguo: com vírgula decimal, um ponto só separa os milhares, como em 1.200,5</translation>
    </message>
    <message>
        <source>%1 line 1: column %2 &quot;%3&quot; is not an input, ignored</source>
        <translation>%1 linha 1: a coluna %2 «%3» não é um dado, ignorada</translation>
    </message>
</context>
<context>
    <name>quorvel::TanksWindow</name>
    <message>
        <source>Tanks information</source>
        <translation>Catálogo de reservatórios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 more tank types in %2 are kept but not shown</source>
        <translation>Mais %1 tipos de reservatório em %2 são guardados mas não mostrados</translation>
    </message>
    <message>
        <source>Select a data item</source>
        <translation>Selecione uma linha</translation>
    </message>
    <message>
        <source>1 more tank type in %2 is kept but not shown</source>
        <translation>Mais 1 tipo de reservatório em %2 é guardado mas não mostrado</translation>
    </message>
</context>
<context>
    <name>quorvel::Texts</name>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>
