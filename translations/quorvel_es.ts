<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
            <translation>Configurar impresión</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
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
            <translation>personas</translation>
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
            <translation>Acerca de Quorvel</translation>
        </message>
        <message>
            <source>Quorvel is a simulator to design emergency systems</source>
            <translation>Quorvel simula el diseño de sistemas de emergencia</translation>
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
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>quorvel::CatalogWindow</name>
        <message>
            <source>Do you want to save the new data?</source>
            <translation>¿Desea guardar los nuevos datos?</translation>
        </message>
        <message>
            <source>"%1" was changed by another program since it was read. Overwrite it?</source>
            <translation>Otro programa modificó «%1» después de leerlo. ¿Sobrescribirlo?</translation>
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
            <translation>Descripción</translation>
        </message>
        <message>
            <source>Nominal (in)</source>
            <translation>DN (pulg)</translation>
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
            <translation>Acero galvanizado Sch 40</translation>
        </message>
        <message>
            <source>Sch 40 black steel</source>
            <translation>Acero negro Sch 40</translation>
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
            <translation>Imagen de la curva</translation>
        </message>
        <message>
            <source>Petrol engine</source>
            <translation>Motor gasolina</translation>
        </message>
        <message>
            <source>Diesel engine</source>
            <translation>Motor diésel</translation>
        </message>
        <message>
            <source>Electric surface</source>
            <translation>Eléctrica superficie</translation>
        </message>
        <message>
            <source>Submersible</source>
            <translation>Sumergible</translation>
        </message>
        <message>
            <source>Tank type</source>
            <translation>Tipo de tanque</translation>
        </message>
        <message>
            <source>Size (m3)</source>
            <translation>Vol. (m3)</translation>
        </message>
        <message>
            <source>Remark</source>
            <translation>Observación</translation>
        </message>
        <message>
            <source>Bladder</source>
            <translation>Flexible</translation>
        </message>
        <message>
            <source>Onion</source>
            <translation>Cebolla</translation>
        </message>
        <message>
            <source>Corrugated steel</source>
            <translation>Acero corrugado</translation>
        </message>
        <message>
            <source>Pillow tank for trucks and small distribution points</source>
            <translation>Tanque flexible para camiones y pequeños puntos de distribución</translation>
        </message>
        <message>
            <source>Pillow tank on a cleared and levelled base</source>
            <translation>Tanque flexible sobre una base despejada y nivelada</translation>
        </message>
        <message>
            <source>Bolted kit with liner and roof</source>
            <translation>Kit atornillado con membrana y techo</translation>
        </message>
        <message>
            <source>Self-supporting open-top tank with cover</source>
            <translation>Tanque autoportante abierto con cubierta</translation>
        </message>
        <message>
            <source>"%1" is not valid UTF-8 after its byte-order mark</source>
            <translation>«%1» no es UTF-8 válido tras su marca de orden de bytes</translation>
        </message>
        <message>
            <source>"%1" holds no line that can be read</source>
            <translation>«%1» no contiene ninguna línea legible</translation>
        </message>
        <message>
            <source>"%1" was not read because an earlier catalog could not be read</source>
            <translation>«%1» no se leyó porque no se pudo leer un catálogo anterior</translation>
        </message>
        <message>
            <source>"%1" was not read; saving would erase it</source>
            <translation>«%1» no se leyó; guardarlo lo borraría</translation>
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
            <translation>personas</translation>
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
            <translation>Diámetros</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Error</name>
        <message>
            <source>Out of memory</source>
            <translation>Memoria insuficiente</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Files</name>
        <message>
            <source>Cannot open file "%1". %2</source>
            <translation>No se puede abrir el archivo «%1». %2</translation>
        </message>
        <message>
            <source>Cannot create file "%1". %2</source>
            <translation>No se puede crear el archivo «%1». %2</translation>
        </message>
        <message>
            <source>Stream write error</source>
            <translation>Error de escritura del archivo</translation>
        </message>
        <message>
            <source>List index out of bounds (%1)</source>
            <translation>Índice de lista fuera de límites (%1)</translation>
        </message>
    </context>
    <context>
        <name>quorvel::MessageBoxes</name>
        <message>
            <source>Warning</source>
            <translation>Advertencia</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Numbers</name>
        <message>
            <source>'%1' is not a valid floating point value</source>
            <translation>«%1» no es un número válido (punto decimal)</translation>
        </message>
        <message>
            <source>Invalid floating point operation</source>
            <translation>Operación de coma flotante no válida</translation>
        </message>
        <message>
            <source>Floating point division by zero</source>
            <translation>División por cero</translation>
        </message>
        <message>
            <source>Floating point overflow</source>
            <translation>Desbordamiento numérico</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Pictures</name>
        <message>
            <source>Unknown picture file extension (.%1)</source>
            <translation>Extensión de archivo de imagen desconocida (.%1)</translation>
        </message>
        <message>
            <source>Bitmap image is not valid</source>
            <translation>La imagen de mapa de bits no es válida</translation>
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
            <translation>Aceptar</translation>
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
            <translation>No hay ninguna impresora predeterminada seleccionada</translation>
        </message>
        <message>
            <source>Operation not supported on selected printer</source>
            <translation>Operación no admitida por la impresora seleccionada</translation>
        </message>
        <message>
            <source>Printer selected is not valid</source>
            <translation>La impresora seleccionada no es válida</translation>
        </message>
        <message>
            <source>Printer is not currently printing</source>
            <translation>La impresora no está imprimiendo</translation>
        </message>
        <message>
            <source>Printer index out of range</source>
            <translation>Número de impresora fuera de rango</translation>
        </message>
        <message>
            <source>Printing in progress</source>
            <translation>Impresión en curso</translation>
        </message>
    </context>
    <context>
        <name>quorvel::ProjectFiles</name>
        <message>
            <source>Main pipeline files</source>
            <translation>Archivos de tubería principal</translation>
        </message>
        <message>
            <source>All Files</source>
            <translation>Todos los archivos</translation>
        </message>
        <message>
            <source>Enter the project name</source>
            <translation>Escriba el nombre del proyecto</translation>
        </message>
        <message>
            <source>The project has changed. Would you like to save the changes?</source>
            <translation>El proyecto ha cambiado. ¿Desea guardar los cambios?</translation>
        </message>
    </context>
    <context>
        <name>quorvel::ProjectSheet</name>
        <message>
            <source>Water Source Elevation</source>
            <translation>Cota de la fuente</translation>
        </message>
        <message>
            <source>Storage Elevation</source>
            <translation>Cota del tanque</translation>
        </message>
        <message>
            <source>Pipeline Length</source>
            <translation>Longitud de tubería</translation>
        </message>
        <message>
            <source>Population</source>
            <translation>Población</translation>
        </message>
        <message>
            <source>Water source elevation= </source>
            <translation>Cota de la fuente = </translation>
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
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Add Graph</source>
            <translation>Añadir curva</translation>
        </message>
        <message>
            <source>Delete Row</source>
            <translation>Eliminar fila</translation>
        </message>
        <message>
            <source>Insert Row</source>
            <translation>Insertar fila</translation>
        </message>
        <message>
            <source>1 more pump in %1 is kept but not shown</source>
            <translation>1 bomba más de %1 se conserva pero no se muestra</translation>
        </message>
        <message>
            <source>%1 more pumps in %2 are kept but not shown</source>
            <translation>%1 bombas más de %2 se conservan pero no se muestran</translation>
        </message>
        <message>
            <source>Main pipeline files</source>
            <translation>Archivos de tubería principal</translation>
        </message>
        <message>
            <source>All Files</source>
            <translation>Todos los archivos</translation>
        </message>
        <message>
            <source>The file is now available</source>
            <translation>El archivo ya está disponible</translation>
        </message>
        <message>
            <source>The file is not available. Check if the file exists yet</source>
            <translation>El archivo no está disponible. Compruebe que existe</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Sheet</name>
        <message>
            <source>Description</source>
            <translation>Descripción</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unidad</translation>
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
            <translation>Longitud tubería de impulsión</translation>
        </message>
        <message>
            <source>Meter</source>
            <translation>Metro</translation>
        </message>
        <message>
            <source>Water source elevation</source>
            <translation>Cota de la fuente</translation>
        </message>
        <message>
            <source>Storage elevation</source>
            <translation>Cota del tanque</translation>
        </message>
        <message>
            <source>Population</source>
            <translation>Población</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personas</translation>
        </message>
        <message>
            <source>Pumping Time</source>
            <translation>Tiempo de bombeo</translation>
        </message>
        <message>
            <source>Hours/day</source>
            <translation>Horas/día</translation>
        </message>
        <message>
            <source>Daily Usage</source>
            <translation>Consumo diario</translation>
        </message>
        <message>
            <source>L/capita/day</source>
            <translation>L/pers./día</translation>
        </message>
        <message>
            <source># people per tap</source>
            <translation>N.º personas por grifo</translation>
        </message>
        <message>
            <source>people</source>
            <translation>personas</translation>
        </message>
        <message>
            <source>Q design</source>
            <translation>Caudal de diseño</translation>
        </message>
        <message>
            <source>LPM</source>
            <translation>L/min</translation>
        </message>
        <message>
            <source>Nominal Diameter</source>
            <translation>Diámetro nominal</translation>
        </message>
        <message>
            <source>HF</source>
            <translation>Pérdida por fricción</translation>
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
            <translation>Almacenamiento teórico</translation>
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
            <translation>Tanque</translation>
        </message>
        <message>
            <source>Actual Storage</source>
            <translation>Almacenamiento real</translation>
        </message>
        <message>
            <source>Estimated Actual Pumping Time</source>
            <translation>Tiempo real de bombeo estimado</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>Horas</translation>
        </message>
        <message>
            <source># tapstand kits (6 taps)</source>
            <translation>N.º kits de piletas (6 grifos)</translation>
        </message>
        <message>
            <source>%1 pump %2 model</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>%1 Tank %2 M^3</source>
            <translation>Tanque %1 %2 m³</translation>
        </message>
    </context>
    <context>
        <name>quorvel::SheetLayout</name>
        <message>
            <source>Water Source Elevation= </source>
            <translation>Cota de la fuente = </translation>
        </message>
        <message>
            <source>Storage Elevation= </source>
            <translation>Cota del tanque = </translation>
        </message>
        <message>
            <source>Pipeline Length= </source>
            <translation>Longitud de tubería = </translation>
        </message>
        <message>
            <source>Population= </source>
            <translation>Población = </translation>
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
            <translation>Catálogo de tanques</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>1 more tank type in %1 is kept but not shown</source>
            <translation>1 tipo de tanque más de %1 se conserva pero no se muestra</translation>
        </message>
        <message>
            <source>%1 more tank types in %2 are kept but not shown</source>
            <translation>%1 tipos de tanque más de %2 se conservan pero no se muestran</translation>
        </message>
        <message>
            <source>Select a data item</source>
            <translation>Seleccione una fila</translation>
        </message>
    </context>
</TS>
