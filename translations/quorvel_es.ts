<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <source>&quot;%1&quot; was changed by another program since it was read. Overwrite it?</source>
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
        <source>&quot;%1&quot; is not valid UTF-8 after its byte-order mark</source>
        <translation>«%1» no es UTF-8 válido tras su marca de orden de bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no line that can be read</source>
        <translation>«%1» no contiene ninguna línea legible</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read because an earlier catalog could not be read</source>
        <translation>«%1» no se leyó porque no se pudo leer un catálogo anterior</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read; saving would erase it</source>
        <translation>«%1» no se leyó; guardarlo lo borraría</translation>
    </message>
</context>
<context>
    <name>quorvel::ChecksSummary</name>
    <message>
        <source>Design checks…</source>
        <translation>Comprobaciones…</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignChecks</name>
    <message>
        <source>at least %1</source>
        <translation>al menos %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>como máximo %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 below %4</source>
        <translation>%1 %2 %3, por debajo de %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 above %4</source>
        <translation>%1 %2 %3, por encima de %4</translation>
    </message>
    <message>
        <source>operating flow</source>
        <translation>caudal de operación</translation>
    </message>
    <message>
        <source>the design flow of %1</source>
        <translation>%1 (caudal de diseño)</translation>
    </message>
    <message>
        <source>: the tank does not fill in the pumping hours</source>
        <translation>: el tanque no se llena en las horas de bombeo</translation>
    </message>
    <message>
        <source>flow velocity</source>
        <translation>velocidad de flujo</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>%1 a %2 %3</translation>
    </message>
    <message>
        <source>daily usage</source>
        <translation>consumo diario</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>L/pers./día</translation>
    </message>
    <message>
        <source>people per tap</source>
        <translation>personas por grifo</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personas</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>h/día</translation>
    </message>
    <message>
        <source>actual storage</source>
        <translation>almacenamiento real</translation>
    </message>
    <message>
        <source>the theoretical storage of %1</source>
        <translation>%1 (almacenamiento teórico)</translation>
    </message>
    <message>
        <source>, %1 m³ short</source>
        <translation>, faltan %1 m³</translation>
    </message>
    <message>
        <source>design flow</source>
        <translation>caudal de diseño</translation>
    </message>
    <message>
        <source>the pump&apos;s rated flow of %1</source>
        <translation>%1 (caudal nominal de la bomba)</translation>
    </message>
    <message>
        <source>pumping head</source>
        <translation>altura manométrica</translation>
    </message>
    <message>
        <source>the pump&apos;s rated head of %1</source>
        <translation>%1 (altura nominal de la bomba)</translation>
    </message>
    <message>
        <source>All %1 checks pass</source>
        <translation>Se cumplen las %1 comprobaciones</translation>
    </message>
    <message>
        <source>1 warning: %1</source>
        <translation>1 advertencia: %1</translation>
    </message>
    <message>
        <source>%1 warnings: %2</source>
        <translation>%1 advertencias: %2</translation>
    </message>
    <message>
        <source>supply</source>
        <translation>abastecimiento</translation>
    </message>
    <message>
        <source>gravity supply: no pump needed</source>
        <translation>abastecimiento por gravedad: no se necesita bomba</translation>
    </message>
    <message>
        <source>no catalog pump delivers %1 L/s at %2 m</source>
        <translation>ninguna bomba del catálogo entrega %1 L/s a %2 m</translation>
    </message>
    <message>
        <source> (pumping head %1 m + %2 %)</source>
        <translation> (altura manométrica %1 m + %2 %)</translation>
    </message>
    <message>
        <source>a gravity supply needs no pump</source>
        <translation>un abastecimiento por gravedad no necesita bomba</translation>
    </message>
    <message>
        <source>gravity flow</source>
        <translation>caudal por gravedad</translation>
    </message>
    <message>
        <source>: no water reaches the tank</source>
        <translation>: no llega agua al tanque</translation>
    </message>
    <message>
        <source>no water flows</source>
        <translation>no fluye agua</translation>
    </message>
    <message>
        <source>hours at the gravity flow</source>
        <translation>horas al caudal por gravedad</translation>
    </message>
    <message>
        <source>pumping hours at the operating point</source>
        <translation>horas de bombeo en el punto de operación</translation>
    </message>
    <message>
        <source>: the day&apos;s demand does not reach the tank</source>
        <translation>: la demanda del día no llega al tanque</translation>
    </message>
    <message>
        <source>flow velocity at the gravity flow</source>
        <translation>velocidad de flujo al caudal por gravedad</translation>
    </message>
    <message>
        <source>flow velocity at the operating point</source>
        <translation>velocidad de flujo en el punto de operación</translation>
    </message>
    <message>
        <source>share of the rated flow</source>
        <translation>porcentaje del caudal nominal</translation>
    </message>
    <message>
        <source>%1 to %2 % of the rated flow</source>
        <translation>%1 a %2 % del caudal nominal</translation>
    </message>
    <message>
        <source>the pump runs at %1 % of its rated flow of %2 L/s, far right of its rated point: inefficient, and it may cavitate</source>
        <translation>la bomba opera al %1 % de su caudal nominal de %2 L/s, muy a la derecha de su punto nominal: ineficiente, y puede cavitar</translation>
    </message>
    <message>
        <source>the pump runs at %1 % of its rated flow of %2 L/s, far left of its rated point: inefficient</source>
        <translation>la bomba opera al %1 % de su caudal nominal de %2 L/s, muy a la izquierda de su punto nominal: ineficiente</translation>
    </message>
    <message>
        <source>estimated pumping time at the design flow</source>
        <translation>tiempo de bombeo estimado al caudal de diseño</translation>
    </message>
    <message>
        <source>Not designed: %1</source>
        <translation>No dimensionado: %1</translation>
    </message>
    <message>
        <source>1 failure: %1</source>
        <translation>1 fallo: %1</translation>
    </message>
    <message>
        <source>%1 failures: %2</source>
        <translation>%1 fallos: %2</translation>
    </message>
    <message>
        <source>all %1 checks pass</source>
        <translation>se cumplen las %1 comprobaciones</translation>
    </message>
    <message>
        <source>a pump for a pumping head above 0 m, else gravity</source>
        <translation>una bomba para una altura manométrica mayor que 0 m; si no, por gravedad</translation>
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
        <translation>Comprobaciones de diseño</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Cumple</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>No cumple</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>No aplica</translation>
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
        <translation>--velocity espera MIN,MAX en m/s, finitos y MIN menor que MAX, p. ej. 0.5,2.0 (recibido %1)</translation>
    </message>
    <message>
        <source>--%1 needs a %2; leave the option out for the automatic choice</source>
        <translation>--%1 necesita un %2; omita la opción para la elección automática</translation>
    </message>
    <message>
        <source>Designs emergency water supplies, one site a line of SITES.csv, with the catalogs of the database folder.
The first line names the columns, in any order: Site, L (pipeline length m), Zw (source elevation m),
Zt (storage elevation m), P (population), T (pumping hours h/day), U (daily usage L/capita/day),
K (people per tap); long captions, units in brackets and semicolon files with decimal commas are read too.
Exit status: 0 all sites designed, 1 some failed, 2 bad usage, unreadable input or catalogs, or an
output that cannot be written.</source>
        <translation>Dimensiona abastecimientos de agua de emergencia, un sitio por línea de SITES.csv, con los catálogos de la carpeta de la base de datos.
La primera línea nombra las columnas, en cualquier orden: Site, L (longitud de tubería m), Zw (cota de la fuente m),
Zt (cota del tanque m), P (población), T (horas de bombeo h/día), U (consumo diario L/pers./día),
K (personas por grifo); también se leen títulos largos, unidades entre corchetes y archivos con punto y coma y coma decimal.
Estado de salida: 0 todos los sitios dimensionados, 1 algunos fallaron, 2 uso incorrecto, entrada o catálogos ilegibles, o
una salida que no se puede escribir.</translation>
    </message>
    <message>
        <source>The sites; - reads standard input.</source>
        <translation>Los sitios; - lee la entrada estándar.</translation>
    </message>
    <message>
        <source>give either SITES.csv or --site, not both</source>
        <translation>indique SITES.csv o --site, no ambos</translation>
    </message>
    <message>
        <source>--site takes the seven inputs L,Zw,Zt,P,T,U,K</source>
        <translation>--site espera los siete datos L,Zw,Zt,P,T,U,K</translation>
    </message>
    <message>
        <source>give one SITES.csv (or --site); see --help</source>
        <translation>indique un SITES.csv (o --site); vea --help</translation>
    </message>
    <message>
        <source>--csv and --json exclude each other</source>
        <translation>--csv y --json se excluyen mutuamente</translation>
    </message>
    <message>
        <source>pump row or model</source>
        <translation>fila o modelo de bomba</translation>
    </message>
    <message>
        <source>tank row or type</source>
        <translation>fila o tipo de tanque</translation>
    </message>
    <message>
        <source>--head-margin takes a percentage from 0 to 100 (got %1)</source>
        <translation>--head-margin espera un porcentaje de 0 a 100 (recibido %1)</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--epanet needs a folder</source>
        <translation>--epanet necesita una carpeta</translation>
    </message>
    <message>
        <source>--database %1: no such folder</source>
        <translation>--database %1: no existe la carpeta</translation>
    </message>
    <message>
        <source>the sites file</source>
        <translation>el archivo de sitios</translation>
    </message>
    <message>
        <source>the catalog %1</source>
        <translation>el catálogo %1</translation>
    </message>
    <message>
        <source>%1 %2: is a folder; give a file name</source>
        <translation>%1 %2: es una carpeta; indique un nombre de archivo</translation>
    </message>
    <message>
        <source>%1 %2 is %3: refusing to write over an input</source>
        <translation>%1 %2 es %3: no se sobrescribe una entrada</translation>
    </message>
    <message>
        <source>-o and --report name the same file %1</source>
        <translation>-o y --report nombran el mismo archivo %1</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 línea %2: %3</translation>
    </message>
    <message>
        <source>%1 line %2, %3: %4</source>
        <translation>%1 línea %2, %3: %4</translation>
    </message>
    <message>
        <source>%1 line %2: no pump with a rated flow and head, so no EPANET network</source>
        <translation>%1 línea %2: ninguna bomba con caudal y altura nominales, así que no hay red EPANET</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Designs one site instead of a file.</source>
        <translation>Dimensiona un solo sitio en lugar de un archivo.</translation>
    </message>
    <message>
        <source>The name of the --site.</source>
        <translation>El nombre del --site.</translation>
    </message>
    <message>
        <source>SITES.csv has no caption line: its columns are Site,L,Zw,Zt,P,T,U,K in this order.</source>
        <translation>SITES.csv no tiene línea de títulos: sus columnas son Site,L,Zw,Zt,P,T,U,K en este orden.</translation>
    </message>
    <message>
        <source>The folder of pipes.csv, pumps.csv and storage.csv (default: the program&apos;s database folder).</source>
        <translation>La carpeta de pipes.csv, pumps.csv y storage.csv (por defecto: la carpeta de la base de datos del programa).</translation>
    </message>
    <message>
        <source>The tank type, by row or type, in any case (default: the type that holds the storage with the fewest tanks).</source>
        <translation>El tipo de tanque, por fila o tipo, sin distinguir mayúsculas (por defecto: el tipo que contiene el almacenamiento con menos tanques).</translation>
    </message>
    <message>
        <source>Flow velocities outside this range are warned about (default 0.5,2.0).</source>
        <translation>Se advierte de las velocidades de flujo fuera de este intervalo (por defecto 0.5,2.0).</translation>
    </message>
    <message>
        <source>Writes CSV instead of a table.</source>
        <translation>Escribe CSV en lugar de una tabla.</translation>
    </message>
    <message>
        <source>Writes JSON instead of a table.</source>
        <translation>Escribe JSON en lugar de una tabla.</translation>
    </message>
    <message>
        <source>Writes to FILE (- standard output), replacing it only when complete.</source>
        <translation>Escribe en FILE (- salida estándar), reemplazándolo solo cuando está completo.</translation>
    </message>
    <message>
        <source>Writes each designed site as an EPANET network, DIR/&lt;site&gt;.inp, to run in EPANET: the pump on its rated-point curve, the pipeline, the tank and the day&apos;s demand over 24 hours.</source>
        <translation>Escribe cada sitio dimensionado como red EPANET, DIR/&lt;site&gt;.inp, para ejecutar en EPANET: la bomba con su curva de punto nominal, la tubería, el tanque y la demanda del día en 24 horas.</translation>
    </message>
    <message>
        <source>Adds the bill of quantities: pumps, tanks, tapstand kits, pipe metres, people and daily demand.</source>
        <translation>Añade el cómputo de cantidades: bombas, tanques, kits de piletas, metros de tubería, personas y demanda diaria.</translation>
    </message>
    <message>
        <source>The language of the messages, the table and the report: en, fr, es, pt or ar (default: the user&apos;s locale). CSV, JSON and network files are English in every language.</source>
        <translation>El idioma de los mensajes, la tabla y el informe: en, fr, es, pt o ar (por defecto: el idioma del usuario). Los archivos CSV, JSON y de red quedan en inglés en todos los idiomas.</translation>
    </message>
    <message>
        <source>%1 line %2: not designed: %3</source>
        <translation>%1 línea %2: no dimensionado: %3</translation>
    </message>
    <message>
        <source>The pump for every site, by row or model, in any case (default: of the pumps that fill the tank, the least rated power among those running at 80 to 120 % of their rated flow within the velocity limit, else the least rated power).</source>
        <translation>La bomba para todos los sitios, por fila o modelo, sin distinguir mayúsculas (por defecto: de las bombas que llenan el tanque, la menor potencia nominal entre las que operan entre el 80 y el 120 % de su caudal nominal dentro del límite de velocidad; si no, la menor potencia nominal).</translation>
    </message>
    <message>
        <source>How far beyond the pumping head an automatically chosen pump&apos;s head at the design flow must reach, in percent (default 10).</source>
        <translation>Cuánto debe superar la altura de una bomba elegida automáticamente al caudal de diseño a la altura manométrica, en porcentaje (por defecto 10).</translation>
    </message>
    <message>
        <source>Writes a PDF report: a page a designed site, a table of those not designed.</source>
        <translation>Escribe un informe PDF: una página por sitio diseñado y una tabla de los no diseñados.</translation>
    </message>
    <message>
        <source>The engineer the report names as having prepared it, remembered for later reports.</source>
        <translation>El ingeniero que el informe nombra como autor, recordado para los informes siguientes.</translation>
    </message>
    <message>
        <source>The engineer&apos;s organisation on the report, remembered for later reports.</source>
        <translation>La organización del ingeniero en el informe, recordada para los informes siguientes.</translation>
    </message>
    <message>
        <source>The pipeline&apos;s route for the --site, from the source to the tank: a CSV file of distance and elevation, or a GPX track. A sites file names each site&apos;s in its Profile column.</source>
        <translation>El trazado de la tubería del --site, de la fuente al tanque: un archivo CSV de distancias y elevaciones, o una traza GPX. Un archivo de sitios nombra el de cada sitio en su columna Profile.</translation>
    </message>
    <message>
        <source>--profile goes with --site; a sites file names each site&apos;s profile in its Profile column</source>
        <translation>--profile va con --site; un archivo de sitios nombra el perfil de cada sitio en su columna Profile</translation>
    </message>
    <message>
        <source>the profile</source>
        <translation>el perfil</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignReport</name>
    <message>
        <source>Bill of quantities</source>
        <translation>Cómputo de cantidades</translation>
    </message>
    <message>
        <source>Site on line %1</source>
        <translation>Sitio de la línea %1</translation>
    </message>
    <message>
        <source>Line %1 of the sites file</source>
        <translation>Línea %1 del archivo de sitios</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>none, gravity supply</source>
        <translation>ninguna, abastecimiento por gravedad</translation>
    </message>
    <message>
        <source>no catalog pump reaches the duty</source>
        <translation>ninguna bomba del catálogo alcanza el punto de servicio</translation>
    </message>
    <message>
        <source>Pump: %1</source>
        <translation>Bomba: %1</translation>
    </message>
    <message>
        <source>Tank: %1</source>
        <translation>Almacenamiento: %1</translation>
    </message>
    <message>
        <source>Flow velocity %1 m/s, hydraulic gradient %2 m/km</source>
        <translation>Velocidad de flujo %1 m/s, gradiente hidráulico %2 m/km</translation>
    </message>
    <message>
        <source>The PDF writer could not finish the document</source>
        <translation>El generador de PDF no pudo terminar el documento</translation>
    </message>
    <message>
        <source>Rated point: %1 L/s at %2 m</source>
        <translation>Punto nominal: %1 L/s a %2 m</translation>
    </message>
    <message>
        <source>Operating point on this pipeline: %1 L/s at %2 m, %3 h/day</source>
        <translation>Punto de operación en esta tubería: %1 L/s a %2 m, %3 h/día</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personas</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>h/día</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>L/persona/día</translation>
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
        <translation>pulg</translation>
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
        <translation>tanques</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>kits</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>cumple</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>falla</translation>
    </message>
    <message>
        <source>not applicable</source>
        <translation>no aplica</translation>
    </message>
    <message>
        <source>Prepared by %1</source>
        <translation>Preparado por %1</translation>
    </message>
    <message>
        <source>Quorvel %1 design report</source>
        <translation>Informe de diseño Quorvel %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Friction loss by Hazen-Williams with C = 140 on the pipe&apos;s inside diameter; suction and minor losses are left out.</source>
        <translation>Pérdida por fricción según Hazen-Williams con C = 140 sobre el diámetro interior del tubo; se omiten la aspiración y las pérdidas menores.</translation>
    </message>
    <message>
        <source>Pump curve through the rated point alone: H(q) = 4/3 Hᵣ − Hᵣ/3 · (q/Qᵣ)², 4/3 of the rated head at shut-off and no head at twice the rated flow; the operating point is where it meets the system curve (static lift plus friction loss).</source>
        <translation>Curva de la bomba por el solo punto nominal: H(q) = 4/3 Hᵣ − Hᵣ/3 · (q/Qᵣ)², 4/3 de la altura nominal a caudal nulo y ninguna altura al doble del caudal nominal; el punto de operación es su cruce con la curva del sistema (desnivel más pérdida por fricción).</translation>
    </message>
    <message>
        <source>Checks: daily usage at least 15 L/person/day and at most 250 people per tap (Sphere minimum standards); flow velocity %1 to %2 m/s; a pump near its rated point at %3 to %4 % of its rated flow; at most 24 h/day at the operating point.</source>
        <translation>Comprobaciones: consumo de al menos 15 L/persona/día y como máximo 250 personas por grifo (normas mínimas de Esfera); velocidad de flujo de %1 a %2 m/s; una bomba cerca de su punto nominal, entre el %3 y el %4 % de su caudal nominal; como máximo 24 h/día en el punto de operación.</translation>
    </message>
    <message>
        <source>An automatically chosen pump reaches the pumping head plus %1 % at the design flow.</source>
        <translation>Una bomba elegida automáticamente alcanza la altura manométrica más el %1 % al caudal de diseño.</translation>
    </message>
    <message>
        <source>Water supply design: %1</source>
        <translation>Diseño de abastecimiento de agua: %1</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Suministro</translation>
    </message>
    <message>
        <source>Gravity flow on this pipeline: %1 L/s, %2 h/day</source>
        <translation>Caudal por gravedad en esta tubería: %1 L/s, %2 h/día</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Comprobaciones</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>Supuestos</translation>
    </message>
    <message>
        <source>Sites not designed</source>
        <translation>Sitios no diseñados</translation>
    </message>
    <message>
        <source>%1 sites</source>
        <translation>%1 sitios</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sitio</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Duty point</source>
        <translation>Curvas de operación</translation>
    </message>
    <message>
        <source>As stated on page %1 for every site of this report.</source>
        <translation>Los indicados en la página %1 para todos los sitios de este informe.</translation>
    </message>
    <message>
        <source>Every site of this report was designed and checked on these assumptions:</source>
        <translation>Todos los sitios de este informe se diseñaron y verificaron con estos supuestos:</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignSummary</name>
    <message>
        <source>unit</source>
        <translation>unidad</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Sitios</translation>
    </message>
    <message>
        <source>designed</source>
        <translation>dimensionados</translation>
    </message>
    <message>
        <source>sites</source>
        <translation>sitios</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallidos</translation>
    </message>
    <message>
        <source>gravity supply, no pump</source>
        <translation>por gravedad, sin bomba</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>Bombas</translation>
    </message>
    <message>
        <source>Tanks</source>
        <translation>Tanques</translation>
    </message>
    <message>
        <source>Tapstand kits</source>
        <translation>Kits de piletas</translation>
    </message>
    <message>
        <source>kits of 6 taps</source>
        <translation>kits de 6 grifos</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Tubería</translation>
    </message>
    <message>
        <source>nominal %1&quot;</source>
        <translation>DN %1&quot;</translation>
    </message>
    <message>
        <source>People served</source>
        <translation>Personas abastecidas</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personas</translation>
    </message>
    <message>
        <source>Daily demand</source>
        <translation>Demanda diaria</translation>
    </message>
    <message>
        <source>line %1: %2 L/s at a pumping head of %3 m</source>
        <translation>línea %1: %2 L/s a una altura manométrica de %3 m</translation>
    </message>
    <message>
        <source>%1 (line %2): %3 L/s at a pumping head of %4 m</source>
        <translation>%1 (línea %2): %3 L/s a una altura manométrica de %4 m</translation>
    </message>
    <message>
        <source>Pumps to be sourced</source>
        <translation>Bombas por adquirir</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>m³/day</source>
        <translation>m³/día</translation>
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
    <name>quorvel::DutyChart</name>
    <message>
        <source>Available fall</source>
        <translation>Desnivel disponible</translation>
    </message>
    <message>
        <source>Pump curve</source>
        <translation>Curva de la bomba</translation>
    </message>
    <message>
        <source>Friction loss</source>
        <translation>Pérdida por fricción</translation>
    </message>
    <message>
        <source>System curve</source>
        <translation>Curva del sistema</translation>
    </message>
    <message>
        <source>Rated point</source>
        <translation>Punto nominal</translation>
    </message>
    <message>
        <source>Design duty</source>
        <translation>Punto de diseño</translation>
    </message>
    <message>
        <source>Gravity flow</source>
        <translation>Caudal por gravedad</translation>
    </message>
    <message>
        <source>Operating point</source>
        <translation>Punto de operación</translation>
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
        <translation>Sin punto de operación: la bomba no puede elevar el agua</translation>
    </message>
</context>
<context>
    <name>quorvel::EpanetExport</name>
    <message>
        <source>--epanet %1: is a file; give a folder</source>
        <translation>--epanet %1: es un archivo; indique una carpeta</translation>
    </message>
    <message>
        <source>--epanet %1: cannot create the folder</source>
        <translation>--epanet %1: no se puede crear la carpeta</translation>
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
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
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
    <message>
        <source>File is larger than 256 MB</source>
        <translation>El archivo supera los 256 MB</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>quorvel::InputChecks</name>
    <message>
        <source>pipeline length</source>
        <translation>longitud de tubería</translation>
    </message>
    <message>
        <source>above 0 m</source>
        <translation>más de 0 m</translation>
    </message>
    <message>
        <source>water source elevation</source>
        <translation>cota de la fuente</translation>
    </message>
    <message>
        <source>storage elevation</source>
        <translation>cota del tanque</translation>
    </message>
    <message>
        <source>population</source>
        <translation>población</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personas</translation>
    </message>
    <message>
        <source>above 0 people</source>
        <translation>más de 0 personas</translation>
    </message>
    <message>
        <source>pumping time</source>
        <translation>tiempo de bombeo</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>h/día</translation>
    </message>
    <message>
        <source>above 0 and at most 24 h/day</source>
        <translation>más de 0 y como máximo 24 h/día</translation>
    </message>
    <message>
        <source>daily usage</source>
        <translation>consumo diario</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>L/pers./día</translation>
    </message>
    <message>
        <source>above 0 L/person/day</source>
        <translation>más de 0 L/pers./día</translation>
    </message>
    <message>
        <source>people per tap</source>
        <translation>personas por grifo</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>any finite number</source>
        <translation>cualquier número finito</translation>
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
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
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
        <translation>Exportar informe…</translation>
    </message>
    <message>
        <source>Open Diameters File</source>
        <translation>Abrir archivo de diámetros</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
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
        <translation>Tanques de distribución</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Quorvel</source>
        <translation>Quorvel</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abrir un archivo</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Guardar el proyecto actual</translation>
    </message>
    <message>
        <source>Print the current project</source>
        <translation>Imprimir el proyecto actual</translation>
    </message>
    <message>
        <source>Open the Pipes file</source>
        <translation>Abrir el archivo de tuberías</translation>
    </message>
    <message>
        <source>Open the Pumps file</source>
        <translation>Abrir el archivo de bombas</translation>
    </message>
    <message>
        <source>Open the Tanks file</source>
        <translation>Abrir el archivo de tanques</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Proyecto:</translation>
    </message>
    <message>
        <source>To Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Archivos PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export EPANET Network…</source>
        <translation>Exportar red EPANET…</translation>
    </message>
    <message>
        <source>EPANET networks (*.inp)|*.inp</source>
        <translation>Redes EPANET (*.inp)|*.inp</translation>
    </message>
    <message>
        <source>No design to export: calculate first</source>
        <translation>No hay diseño para exportar: calcule primero</translation>
    </message>
    <message>
        <source>Not exported while the design fails: %1</source>
        <translation>No se exporta mientras el diseño falle: %1</translation>
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
        <source>&apos;%1&apos; is not a valid floating point value</source>
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
    <name>quorvel::PipeRatings</name>
    <message>
        <source>%1 line 1: no column %2; expected the captions No, Material, Nominal (in), Rated pressure (bar), Wave speed (m/s), Source</source>
        <translation>%1 línea 1: ninguna columna %2; se esperaban los encabezados No, Material, Nominal (in), Rated pressure (bar), Wave speed (m/s), Source</translation>
    </message>
    <message>
        <source>%1 line %2, %3: &apos;%4&apos; is not a positive number</source>
        <translation>%1 línea %2, %3: «%4» no es un número positivo</translation>
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
    <message>
        <source>1 more pump in %2 is kept but not shown</source>
        <translation>1 bomba más de %2 se conserva pero no se muestra</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportAuthorDialog</name>
    <message>
        <source>Design Report</source>
        <translation>Informe de diseño</translation>
    </message>
    <message>
        <source>The report&apos;s header names who prepared it. Leave both empty to name no one.</source>
        <translation>El encabezado del informe nombra a quien lo preparó. Deje ambos campos vacíos para no nombrar a nadie.</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Preparado por:</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>Organización:</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportExport</name>
    <message>
        <source>Untitled project</source>
        <translation>Proyecto sin título</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. A design report is a PDF file (.pdf)</source>
        <translation>No se puede crear el archivo «%1». Un informe de diseño es un archivo PDF (.pdf)</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>No se puede escribir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. An EPANET network is an .inp file</source>
        <translation>No se puede crear el archivo «%1». Una red EPANET es un archivo .inp</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. The pump &quot;%2&quot; has no rated flow and head in the pump catalog</source>
        <translation>No se puede crear el archivo «%1». La bomba «%2» no tiene caudal ni altura nominales en el catálogo de bombas</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultWriter</name>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sitio</translation>
    </message>
    <message>
        <source>Pump description</source>
        <translation>Descripción de la bomba</translation>
    </message>
    <message>
        <source>Tank description</source>
        <translation>Descripción del tanque</translation>
    </message>
    <message>
        <source>Flow velocity (m/s)</source>
        <translation>Velocidad de flujo (m/s)</translation>
    </message>
    <message>
        <source>Hydraulic gradient (m/km)</source>
        <translation>Gradiente hidráulico (m/km)</translation>
    </message>
    <message>
        <source>Operating flow (L/s)</source>
        <translation>Caudal de operación (L/s)</translation>
    </message>
    <message>
        <source>Operating head (m)</source>
        <translation>Altura de operación (m)</translation>
    </message>
    <message>
        <source>Hours at operating flow (h/day)</source>
        <translation>Horas al caudal de operación (h/día)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>error: </translation>
    </message>
    <message>
        <source>not designed: </source>
        <translation>no dimensionado: </translation>
    </message>
</context>
<context>
    <name>quorvel::RouteChecks</name>
    <message>
        <source>at most the pipe&apos;s rating of %1 m (%2 bar)</source>
        <translation>como máximo la presión nominal de la tubería, %1 m (%2 bar)</translation>
    </message>
    <message>
        <source>static pressure %1 m at %2 m above the pipe&apos;s rating of %3 m: break-pressure tanks at %4 m</source>
        <translation>presión estática %1 m a %2 m, por encima de la presión nominal de la tubería, %3 m: cámaras rompepresión a %4 m</translation>
    </message>
    <message>
        <source>pressure %1 m at %2 m above the pipe&apos;s rating of %3 m: a pipe of a higher pressure class</source>
        <translation>presión %1 m a %2 m, por encima de la presión nominal de la tubería, %3 m: una tubería de clase de presión mayor</translation>
    </message>
    <message>
        <source>pressure rating</source>
        <translation>presión nominal</translation>
    </message>
    <message>
        <source>pressure plus Joukowsky&apos;s rise a·V/g at most the pipe&apos;s rating of %1 m</source>
        <translation>presión más la sobrepresión de Joukowsky a·V/g como máximo la presión nominal de la tubería, %1 m</translation>
    </message>
    <message>
        <source>surge when the pump trips</source>
        <translation>golpe de ariete al pararse la bomba</translation>
    </message>
    <message>
        <source>no pump: a gravity supply</source>
        <translation>sin bomba: abastecimiento por gravedad</translation>
    </message>
    <message>
        <source>surge when the pump trips: %1 m at %2 m (a rise of %3 m for %4 m/s) above the pipe&apos;s rating of %5 m: surge protection or a stronger pipe (a screen, not a transient simulation)</source>
        <translation>golpe de ariete al pararse la bomba: %1 m a %2 m (una sobrepresión de %3 m para %4 m/s), por encima de la presión nominal de la tubería, %5 m: protección antiariete o una tubería más resistente (una estimación, no una simulación de transitorios)</translation>
    </message>
    <message>
        <source>pressure less Joukowsky&apos;s fall above the vapour pressure</source>
        <translation>presión menos la depresión de Joukowsky por encima de la presión de vapor</translation>
    </message>
    <message>
        <source>pressure drop when the pump trips</source>
        <translation>depresión al pararse la bomba</translation>
    </message>
    <message>
        <source>pressure drop when the pump trips: %1 m at %2 m, below the vapour pressure of %3 m: the water column may part (a screen, not a transient simulation)</source>
        <translation>depresión al pararse la bomba: %1 m a %2 m, por debajo de la presión de vapor de %3 m: la columna de agua puede romperse (una estimación, no una simulación de transitorios)</translation>
    </message>
    <message>
        <source>at least %1 m above the ground everywhere</source>
        <translation>al menos %1 m sobre el terreno en todo el trazado</translation>
    </message>
    <message>
        <source>grade line less than %1 m above the ground from %2 m: the pipe runs under vacuum and draws dirty water in</source>
        <translation>línea piezométrica a menos de %1 m sobre el terreno de %2 m: la tubería trabaja en depresión y aspira agua sucia</translation>
    </message>
    <message>
        <source>grade line above the ground</source>
        <translation>línea piezométrica sobre el terreno</translation>
    </message>
    <message>
        <source>air valves</source>
        <translation>ventosas</translation>
    </message>
    <message>
        <source>air valves at the high points at %1 m</source>
        <translation>ventosas en los puntos altos a %1 m</translation>
    </message>
    <message>
        <source>one at each high point</source>
        <translation>una en cada punto alto</translation>
    </message>
    <message>
        <source>washouts</source>
        <translation>desagües</translation>
    </message>
    <message>
        <source>washouts at the low points at %1 m</source>
        <translation>desagües en los puntos bajos a %1 m</translation>
    </message>
    <message>
        <source>one at each low point</source>
        <translation>uno en cada punto bajo</translation>
    </message>
    <message>
        <source>route&apos;s source elevation</source>
        <translation>elevación de la fuente en el trazado</translation>
    </message>
    <message>
        <source>the route starts at %1 m, the water source elevation is %2 m; the calculation keeps the typed elevation</source>
        <translation>el trazado empieza a %1 m, la elevación de la fuente es %2 m; el cálculo mantiene la elevación introducida</translation>
    </message>
    <message>
        <source>within %1 m of the water source elevation</source>
        <translation>a %1 m como máximo de la elevación de la fuente</translation>
    </message>
    <message>
        <source>route&apos;s storage elevation</source>
        <translation>elevación del tanque en el trazado</translation>
    </message>
    <message>
        <source>the route ends at %1 m, the storage elevation is %2 m; the calculation keeps the typed elevation</source>
        <translation>el trazado termina a %1 m, la elevación del tanque es %2 m; el cálculo mantiene la elevación introducida</translation>
    </message>
    <message>
        <source>within %1 m of the storage elevation</source>
        <translation>a %1 m como máximo de la elevación del tanque</translation>
    </message>
    <message>
        <source>route&apos;s length</source>
        <translation>longitud del trazado</translation>
    </message>
    <message>
        <source>the route is %1 m long, the pipeline length is %2 m; the calculation keeps the typed length</source>
        <translation>el trazado mide %1 m, la longitud de la tubería es %2 m; el cálculo mantiene la longitud introducida</translation>
    </message>
    <message>
        <source>within %1 % of the pipeline length</source>
        <translation>a un %1 % como máximo de la longitud de la tubería</translation>
    </message>
    <message>
        <source>the pipe has no rating in the pipe ratings</source>
        <translation>la tubería no tiene presión nominal en el catálogo de presiones nominales</translation>
    </message>
</context>
<context>
    <name>quorvel::RouteFile</name>
    <message>
        <source>%1 line %2, %3: %4 m does not rise above the %5 m before it</source>
        <translation>%1 línea %2, %3: %4 m no supera los %5 m anteriores</translation>
    </message>
    <message>
        <source>%1: the file holds no line; expected the captions Distance and Elevation, then one point a line</source>
        <translation>%1: el archivo no contiene ninguna línea; se esperaban los encabezados Distance y Elevation y luego un punto por línea</translation>
    </message>
    <message>
        <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
        <translation>%1: separado por punto y coma con coma decimal, leído como lo guarda una hoja de cálculo europea</translation>
    </message>
    <message>
        <source>column 1</source>
        <translation>columna 1</translation>
    </message>
    <message>
        <source>column 2</source>
        <translation>columna 2</translation>
    </message>
    <message>
        <source>%1 line 1: no column for %2; expected the captions Distance (m) and Elevation (m), in any order</source>
        <translation>%1 línea 1: ninguna columna para %2; se esperaban los encabezados Distance (m) y Elevation (m), en cualquier orden</translation>
    </message>
    <message>
        <source>the distance</source>
        <translation>la distancia</translation>
    </message>
    <message>
        <source>the elevation</source>
        <translation>la elevación</translation>
    </message>
    <message>
        <source>%1 line %2, %3: &apos;%4&apos; is not a finite number</source>
        <translation>%1 línea %2, %3: «%4» no es un número finito</translation>
    </message>
    <message>
        <source>%1 line %2: point %3 has no latitude and longitude in degrees</source>
        <translation>%1 línea %2: el punto %3 no tiene latitud y longitud en grados</translation>
    </message>
    <message>
        <source>%1 line %2: point %3 has no elevation; a route needs the ground&apos;s elevation at every point</source>
        <translation>%1 línea %2: el punto %3 no tiene elevación; un trazado necesita la elevación del terreno en cada punto</translation>
    </message>
    <message>
        <source>%1 line %2: not a GPX file as XML writes it: %3</source>
        <translation>%1 línea %2: no es un archivo GPX tal como lo escribe XML: %3</translation>
    </message>
    <message>
        <source>%1: %2 points at the place of the point before counted once</source>
        <translation>%1: %2 puntos en el lugar del punto anterior contados una vez</translation>
    </message>
    <message>
        <source>%1: a route needs at least two points, the source and the tank; the file has %2</source>
        <translation>%1: un trazado necesita al menos dos puntos, la fuente y el tanque; el archivo tiene %2</translation>
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
    <name>quorvel::SheetChecks</name>
    <message>
        <source>No checks: the pump catalog no longer holds &quot;%1&quot;</source>
        <translation>Sin comprobaciones: el catálogo de bombas ya no contiene «%1»</translation>
    </message>
    <message>
        <source>No checks: the tanks catalog no longer holds &quot;%1&quot;</source>
        <translation>Sin comprobaciones: el catálogo de tanques ya no contiene «%1»</translation>
    </message>
    <message>
        <source>No checks: the results cannot be worked out again (%1)</source>
        <translation>Sin comprobaciones: no se pueden volver a calcular los resultados (%1)</translation>
    </message>
    <message>
        <source>No checks: the results no longer follow from the catalogs; calculate again</source>
        <translation>Sin comprobaciones: los resultados ya no se derivan de los catálogos; calcule de nuevo</translation>
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
        <translation>%1 no contiene ninguna tubería utilizable</translation>
    </message>
    <message>
        <source>%1 has no &quot;Flow (L/s)&quot; and &quot;Head (m)&quot; columns: name a pump with --pump</source>
        <translation>%1 no tiene columnas «Flow (L/s)» y «Head (m)»: nombre una bomba con --pump</translation>
    </message>
    <message>
        <source>%1 has no pump %2; its models are %3</source>
        <translation>%1 no tiene la bomba %2; sus modelos son %3</translation>
    </message>
    <message>
        <source>%1 holds no tank</source>
        <translation>%1 no contiene ningún tanque</translation>
    </message>
    <message>
        <source>%1 has no tank %2; its types are %3</source>
        <translation>%1 no tiene el tanque %2; sus tipos son %3</translation>
    </message>
    <message>
        <source>gravity supply: the storage is below the source, no pump needed</source>
        <translation>abastecimiento por gravedad: el tanque está por debajo de la fuente, no se necesita bomba</translation>
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
        <translation>%1: el número de tanques se redondea a 0 para un almacenamiento teórico de %2 m³; elija un tanque más pequeño</translation>
    </message>
    <message>
        <source>tank: fewest tanks (%1) holding %2 m³</source>
        <translation>tanque: menos tanques (%1) que contienen %2 m³</translation>
    </message>
    <message>
        <source>%1 (got %2)</source>
        <translation>%1 (recibido %2)</translation>
    </message>
    <message>
        <source>%1: blank line — row skipped</source>
        <translation>%1: línea vacía — fila omitida</translation>
    </message>
    <message>
        <source>%1, %2: &apos;%3&apos; is not %4 — row skipped</source>
        <translation>%1, %2: «%3» no es %4 — fila omitida</translation>
    </message>
    <message>
        <source>a positive number</source>
        <translation>un número positivo</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>must be greater than 0</source>
        <translation>debe ser mayor que 0</translation>
    </message>
    <message>
        <source>must be at most 24 hours a day</source>
        <translation>debe ser como máximo 24 horas al día</translation>
    </message>
    <message>
        <source>gravity flow %1 L/s: %2 h/day deliver the day&apos;s demand</source>
        <translation>caudal por gravedad %1 L/s: %2 h/día entregan la demanda del día</translation>
    </message>
    <message>
        <source>the pump needs %1 h/day at its operating flow of %2 L/s; the estimated actual pumping time is at the design flow of %3 L/s</source>
        <translation>la bomba necesita %1 h/día a su caudal de operación de %2 L/s; el tiempo real de bombeo estimado corresponde al caudal de diseño de %3 L/s</translation>
    </message>
    <message>
        <source>pump: smallest rated flow of %1 reaching %2</source>
        <translation>bomba: menor caudal nominal de %1 que alcanzan %2</translation>
    </message>
    <message>
        <source>pump: least power (%1 kW) of the %2 that run at 80 to 120 % of their rated flow within the velocity limit, of %3 reaching %4</source>
        <translation>bomba: menor potencia (%1 kW) de las que operan entre el 80 y el 120 % de su caudal nominal dentro del límite de velocidad (%2 de %3 que alcanzan %4)</translation>
    </message>
    <message>
        <source>pump: least power (%1 kW) of %2 reaching %3; none runs at 80 to 120 % of its rated flow within the velocity limit</source>
        <translation>bomba: menor potencia (%1 kW) de %2 que alcanzan %3; ninguna opera entre el 80 y el 120 % de su caudal nominal dentro del límite de velocidad</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 línea %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1</source>
        <translation>bomba: la única que alcanza %1</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1, at 80 to 120 % of its rated flow within the velocity limit (%2 kW)</source>
        <translation>bomba: la única que alcanza %1, entre el 80 y el 120 % de su caudal nominal dentro del límite de velocidad (%2 kW)</translation>
    </message>
    <message>
        <source>pump: of %1 reaching %2, the only one at 80 to 120 % of its rated flow within the velocity limit (%3 kW)</source>
        <translation>bomba: de %1 que alcanzan %2, la única entre el 80 y el 120 % de su caudal nominal dentro del límite de velocidad (%3 kW)</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1 (%2 kW); it does not run at 80 to 120 % of its rated flow within the velocity limit</source>
        <translation>bomba: la única que alcanza %1 (%2 kW); no opera entre el 80 y el 120 % de su caudal nominal dentro del límite de velocidad</translation>
    </message>
</context>
<context>
    <name>quorvel::SitesFile</name>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>Cannot read the standard input</source>
        <translation>No se puede leer la entrada estándar</translation>
    </message>
    <message>
        <source>%1: the file holds no line; expected captions, then one site a line</source>
        <translation>%1: el archivo no contiene ninguna línea; se esperaban títulos y luego un sitio por línea</translation>
    </message>
    <message>
        <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
        <translation>%1: separado por punto y coma con coma decimal, leído como lo guarda una hoja de cálculo europea</translation>
    </message>
    <message>
        <source>%1: the file holds no site, only its caption line</source>
        <translation>%1: el archivo no contiene ningún sitio, solo su línea de títulos</translation>
    </message>
    <message>
        <source>expected the captions Site and %1, in any order; a file without captions needs --no-header</source>
        <translation>se esperaban los títulos Site y %1, en cualquier orden; un archivo sin títulos necesita --no-header</translation>
    </message>
    <message>
        <source>%1 line 1: no known caption; %2</source>
        <translation>%1 línea 1: ningún título conocido; %2</translation>
    </message>
    <message>
        <source>%1 line 1: no column for %2; %3</source>
        <translation>%1 línea 1: no hay columna para %2; %3</translation>
    </message>
    <message>
        <source>%1 line 1: the input of column &quot;%2&quot; has a column already</source>
        <translation>%1 línea 1: el dato de la columna «%2» ya tiene una columna</translation>
    </message>
    <message>
        <source>%1: 1 blank row skipped</source>
        <translation>%1: 1 fila vacía omitida</translation>
    </message>
    <message>
        <source>%1: %2 blank rows skipped</source>
        <translation>%1: %2 filas vacías omitidas</translation>
    </message>
    <message>
        <source>ambiguous point: with decimal commas a point only separates thousands, as in 1.200,5</source>
        <translation>punto ambiguo: con coma decimal, un punto solo separa los miles, como en 1.200,5</translation>
    </message>
    <message>
        <source>%1 line 1: column %2 &quot;%3&quot; is not an input, ignored</source>
        <translation>%1 línea 1: la columna %2 «%3» no es un dato, se ignora</translation>
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
        <source>%1 more tank types in %2 are kept but not shown</source>
        <translation>%1 tipos de tanque más de %2 se conservan pero no se muestran</translation>
    </message>
    <message>
        <source>Select a data item</source>
        <translation>Seleccione una fila</translation>
    </message>
    <message>
        <source>1 more tank type in %2 is kept but not shown</source>
        <translation>1 tipo de tanque más de %2 se conserva pero no se muestra</translation>
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
