<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
    <context>
        <name>QGuiApplication</name>
        <message>
            <source>QT_LAYOUT_DIRECTION</source>
            <comment>Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
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
        <name>quorvel</name>
        <message>
            <source>%1 %2 %3 below %4</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 %2 %3 above %4</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>flow velocity</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>daily usage</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>L/person/day</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>people per tap</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>people</source>
            <translation>pessoas</translation>
        </message>
        <message>
            <source>actual pumping time</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>h/day</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>actual storage</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the theoretical storage of %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>, %1 m³ short</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>design flow</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the pump's rated flow of %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>pumping head</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the pump's rated head of %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>error: </source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: blank line — row skipped</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1, %2: '%3' is not %4 — row skipped</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>a positive number</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>a number</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>missing</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>not a number</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>must be greater than 0</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>must be at most 24 hours a day</source>
            <translation type="unfinished" />
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
            <source>"%1" was changed by another program since it was read. Overwrite it?</source>
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
            <source>"%1" is not valid UTF-8 after its byte-order mark</source>
            <translation>«%1» não é UTF-8 válido após a marca de ordem de bytes</translation>
        </message>
        <message>
            <source>"%1" holds no line that can be read</source>
            <translation>«%1» não contém nenhuma linha legível</translation>
        </message>
        <message>
            <source>"%1" was not read because an earlier catalog could not be read</source>
            <translation>«%1» não foi lido porque um catálogo anterior não pôde ser lido</translation>
        </message>
        <message>
            <source>"%1" was not read; saving would erase it</source>
            <translation>«%1» não foi lido; guardá-lo apagá-lo-ia</translation>
        </message>
    </context>
    <context>
        <name>quorvel::DesignSummary</name>
        <message>
            <source>unit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sites</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>designed</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>sites</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>failed</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>gravity supply, no pump</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pumps</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tanks</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tapstand kits</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>kits of 6 taps</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pipe</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>nominal %1"</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>People served</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>people</source>
            <translation>pessoas</translation>
        </message>
        <message>
            <source>Daily demand</source>
            <translation type="unfinished" />
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
        <name>quorvel::Error</name>
        <message>
            <source>Out of memory</source>
            <translation>Memória insuficiente</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Files</name>
        <message>
            <source>Cannot open file "%1". %2</source>
            <translation>Não é possível abrir o ficheiro «%1». %2</translation>
        </message>
        <message>
            <source>Cannot create file "%1". %2</source>
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
            <source>'%1' is not a valid floating point value</source>
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
            <source>1 more pump in %1 is kept but not shown</source>
            <translation>Mais 1 bomba em %1 é guardada mas não mostrada</translation>
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
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 has no "Flow (L/s)" and "Head (m)" columns: name a pump with --pump</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 has no pump %2; its models are %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 holds no tank</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 has no tank %2; its types are %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>gravity supply: the storage is below the source, no pump needed</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>pump: named</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 L/s at %2 m (pumping head %3 m + %4 %)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>no catalog pump reaches %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>pump: least power (%1 kW) of %2 reaching %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>pump: smallest flow of %1 reaching %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 tanks round to 0 for a theoretical storage of %2 m³: choose a smaller tank</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>tank: fewest tanks (%1) holding %2 m³</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 (got %2)</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>quorvel::SitesFile</name>
        <message>
            <source>standard input</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cannot read the standard input</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: the file holds no line; expected captions, then one site a line</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: the file holds no site, only its caption line</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>expected the captions Site and %1, in any order; a file without captions needs --no-header</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 line 1: no known caption; %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 line 1: no column for %2; %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 line 1: the input of column "%2" has a column already</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 line 1: column %2 is not an input, ignored</source>
            <translation type="unfinished" />
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
            <source>1 more tank type in %1 is kept but not shown</source>
            <translation>Mais 1 tipo de reservatório em %1 é guardado mas não mostrado</translation>
        </message>
        <message>
            <source>%1 more tank types in %2 are kept but not shown</source>
            <translation>Mais %1 tipos de reservatório em %2 são guardados mas não mostrados</translation>
        </message>
        <message>
            <source>Select a data item</source>
            <translation>Selecione uma linha</translation>
        </message>
    </context>
</TS>
