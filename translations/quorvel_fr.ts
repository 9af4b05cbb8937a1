<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
            <translation>Configuration de l'impression</translation>
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
            <translation>personnes</translation>
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
            <translation>À propos de Quorvel</translation>
        </message>
        <message>
            <source>Quorvel is a simulator to design emergency systems</source>
            <translation>Quorvel simule la conception de réseaux d'urgence</translation>
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
            <translation>Voulez-vous enregistrer les nouvelles données ?</translation>
        </message>
        <message>
            <source>"%1" was changed by another program since it was read. Overwrite it?</source>
            <translation>« %1 » a été modifié par un autre programme depuis sa lecture. L'écraser ?</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Catalogs</name>
        <message>
            <source>No</source>
            <translation>N°</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>Nominal (in)</source>
            <translation>DN (po)</translation>
        </message>
        <message>
            <source>Material</source>
            <translation>Matériau</translation>
        </message>
        <message>
            <source>ID (mm)</source>
            <translation>Ø int. (mm)</translation>
        </message>
        <message>
            <source>Sch 40 galvanised steel</source>
            <translation>Acier galvanisé Sch 40</translation>
        </message>
        <message>
            <source>Sch 40 black steel</source>
            <translation>Acier noir Sch 40</translation>
        </message>
        <message>
            <source>Pump</source>
            <translation>Pompe</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Modèle</translation>
        </message>
        <message>
            <source>Flow (L/s)</source>
            <translation>Débit (L/s)</translation>
        </message>
        <message>
            <source>Head (m)</source>
            <translation>HMT (m)</translation>
        </message>
        <message>
            <source>Power kW</source>
            <translation>P (kW)</translation>
        </message>
        <message>
            <source>Curve picture</source>
            <translation>Image de la courbe</translation>
        </message>
        <message>
            <source>Petrol engine</source>
            <translation>Moteur essence</translation>
        </message>
        <message>
            <source>Diesel engine</source>
            <translation>Moteur diesel</translation>
        </message>
        <message>
            <source>Electric surface</source>
            <translation>Électrique surface</translation>
        </message>
        <message>
            <source>Submersible</source>
            <translation>Immergée</translation>
        </message>
        <message>
            <source>Tank type</source>
            <translation>Type de réservoir</translation>
        </message>
        <message>
            <source>Size (m3)</source>
            <translation>Vol. (m3)</translation>
        </message>
        <message>
            <source>Remark</source>
            <translation>Remarque</translation>
        </message>
        <message>
            <source>Bladder</source>
            <translation>Souple</translation>
        </message>
        <message>
            <source>Onion</source>
            <translation>Autoportant</translation>
        </message>
        <message>
            <source>Corrugated steel</source>
            <translation>Acier ondulé</translation>
        </message>
        <message>
            <source>Pillow tank for trucks and small distribution points</source>
            <translation>Réservoir souple pour camions et petits points de distribution</translation>
        </message>
        <message>
            <source>Pillow tank on a cleared and levelled base</source>
            <translation>Réservoir souple sur une plateforme dégagée et nivelée</translation>
        </message>
        <message>
            <source>Bolted kit with liner and roof</source>
            <translation>Kit boulonné avec membrane et toit</translation>
        </message>
        <message>
            <source>Self-supporting open-top tank with cover</source>
            <translation>Réservoir autoportant ouvert avec couverture</translation>
        </message>
        <message>
            <source>"%1" is not valid UTF-8 after its byte-order mark</source>
            <translation>« %1 » n'est pas en UTF-8 valide après sa marque d'ordre des octets</translation>
        </message>
        <message>
            <source>"%1" holds no line that can be read</source>
            <translation>« %1 » ne contient aucune ligne lisible</translation>
        </message>
        <message>
            <source>"%1" was not read because an earlier catalog could not be read</source>
            <translation>« %1 » n'a pas été lu car un catalogue précédent était illisible</translation>
        </message>
        <message>
            <source>"%1" was not read; saving would erase it</source>
            <translation>« %1 » n'a pas été lu ; l'enregistrer l'effacerait</translation>
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
            <translation>personnes</translation>
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
            <translation>Diamètres</translation>
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
            <translation>Mémoire insuffisante</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Files</name>
        <message>
            <source>Cannot open file "%1". %2</source>
            <translation>Impossible d'ouvrir le fichier « %1 ». %2</translation>
        </message>
        <message>
            <source>Cannot create file "%1". %2</source>
            <translation>Impossible de créer le fichier « %1 ». %2</translation>
        </message>
        <message>
            <source>Stream write error</source>
            <translation>Erreur d'écriture du fichier</translation>
        </message>
        <message>
            <source>List index out of bounds (%1)</source>
            <translation>Indice de liste hors limites (%1)</translation>
        </message>
    </context>
    <context>
        <name>quorvel::MessageBoxes</name>
        <message>
            <source>Warning</source>
            <translation>Avertissement</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Numbers</name>
        <message>
            <source>'%1' is not a valid floating point value</source>
            <translation>« %1 » n'est pas un nombre valide (point décimal)</translation>
        </message>
        <message>
            <source>Invalid floating point operation</source>
            <translation>Opération en virgule flottante non valide</translation>
        </message>
        <message>
            <source>Floating point division by zero</source>
            <translation>Division par zéro</translation>
        </message>
        <message>
            <source>Floating point overflow</source>
            <translation>Dépassement de capacité numérique</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Pictures</name>
        <message>
            <source>Unknown picture file extension (.%1)</source>
            <translation>Extension de fichier image inconnue (.%1)</translation>
        </message>
        <message>
            <source>Bitmap image is not valid</source>
            <translation>L'image bitmap n'est pas valide</translation>
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
            <translation>Configuration</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Printing</name>
        <message>
            <source>There is no default printer currently selected</source>
            <translation>Aucune imprimante par défaut n'est sélectionnée</translation>
        </message>
        <message>
            <source>Operation not supported on selected printer</source>
            <translation>Opération non prise en charge par l'imprimante sélectionnée</translation>
        </message>
        <message>
            <source>Printer selected is not valid</source>
            <translation>L'imprimante sélectionnée n'est pas valide</translation>
        </message>
        <message>
            <source>Printer is not currently printing</source>
            <translation>L'imprimante n'imprime pas en ce moment</translation>
        </message>
        <message>
            <source>Printer index out of range</source>
            <translation>Numéro d'imprimante hors limites</translation>
        </message>
        <message>
            <source>Printing in progress</source>
            <translation>Impression en cours</translation>
        </message>
    </context>
    <context>
        <name>quorvel::ProjectFiles</name>
        <message>
            <source>Main pipeline files</source>
            <translation>Fichiers de conduite principale</translation>
        </message>
        <message>
            <source>All Files</source>
            <translation>Tous les fichiers</translation>
        </message>
        <message>
            <source>Enter the project name</source>
            <translation>Saisissez le nom du projet</translation>
        </message>
        <message>
            <source>The project has changed. Would you like to save the changes?</source>
            <translation>Le projet a changé. Voulez-vous enregistrer les modifications ?</translation>
        </message>
    </context>
    <context>
        <name>quorvel::ProjectSheet</name>
        <message>
            <source>Water Source Elevation</source>
            <translation>Altitude du point d'eau</translation>
        </message>
        <message>
            <source>Storage Elevation</source>
            <translation>Altitude du réservoir</translation>
        </message>
        <message>
            <source>Pipeline Length</source>
            <translation>Longueur de conduite</translation>
        </message>
        <message>
            <source>Population</source>
            <translation>Population</translation>
        </message>
        <message>
            <source>Water source elevation= </source>
            <translation>Altitude du point d'eau = </translation>
        </message>
    </context>
    <context>
        <name>quorvel::PumpsWindow</name>
        <message>
            <source>Pumps information</source>
            <translation>Catalogue des pompes</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Add Graph</source>
            <translation>Ajouter courbe</translation>
        </message>
        <message>
            <source>Delete Row</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Insert Row</source>
            <translation>Insérer</translation>
        </message>
        <message>
            <source>1 more pump in %1 is kept but not shown</source>
            <translation>1 pompe de plus dans %1 est conservée mais pas affichée</translation>
        </message>
        <message>
            <source>%1 more pumps in %2 are kept but not shown</source>
            <translation>%1 pompes de plus dans %2 sont conservées mais pas affichées</translation>
        </message>
        <message>
            <source>Main pipeline files</source>
            <translation>Fichiers de conduite principale</translation>
        </message>
        <message>
            <source>All Files</source>
            <translation>Tous les fichiers</translation>
        </message>
        <message>
            <source>The file is now available</source>
            <translation>Le fichier est maintenant disponible</translation>
        </message>
        <message>
            <source>The file is not available. Check if the file exists yet</source>
            <translation>Le fichier n'est pas disponible. Vérifiez qu'il existe</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Sheet</name>
        <message>
            <source>Description</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unité</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Result</source>
            <translation>Résultat</translation>
        </message>
        <message>
            <source>Pump discharge pipeline length</source>
            <translation>Longueur de conduite refoulement</translation>
        </message>
        <message>
            <source>Meter</source>
            <translation>Mètre</translation>
        </message>
        <message>
            <source>Water source elevation</source>
            <translation>Altitude du point d'eau</translation>
        </message>
        <message>
            <source>Storage elevation</source>
            <translation>Altitude du réservoir</translation>
        </message>
        <message>
            <source>Population</source>
            <translation>Population</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personnes</translation>
        </message>
        <message>
            <source>Pumping Time</source>
            <translation>Durée de pompage</translation>
        </message>
        <message>
            <source>Hours/day</source>
            <translation>Heures/jour</translation>
        </message>
        <message>
            <source>Daily Usage</source>
            <translation>Consommation journalière</translation>
        </message>
        <message>
            <source>L/capita/day</source>
            <translation>L/pers./jour</translation>
        </message>
        <message>
            <source># people per tap</source>
            <translation>Nb personnes par robinet</translation>
        </message>
        <message>
            <source>people</source>
            <translation>personnes</translation>
        </message>
        <message>
            <source>Q design</source>
            <translation>Débit de calcul</translation>
        </message>
        <message>
            <source>LPM</source>
            <translation>L/min</translation>
        </message>
        <message>
            <source>Nominal Diameter</source>
            <translation>Diamètre nominal</translation>
        </message>
        <message>
            <source>HF</source>
            <translation>Pertes de charge</translation>
        </message>
        <message>
            <source>M</source>
            <translation>m</translation>
        </message>
        <message>
            <source>Pumping Head</source>
            <translation>Hauteur manométrique</translation>
        </message>
        <message>
            <source>Theoretical Storage</source>
            <translation>Stockage théorique</translation>
        </message>
        <message>
            <source>M^3</source>
            <translation>m³</translation>
        </message>
        <message>
            <source>Pump</source>
            <translation>Pompe</translation>
        </message>
        <message>
            <source>Storage</source>
            <translation>Réservoir</translation>
        </message>
        <message>
            <source>Actual Storage</source>
            <translation>Stockage réel</translation>
        </message>
        <message>
            <source>Estimated Actual Pumping Time</source>
            <translation>Durée de pompage réelle estimée</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>Heures</translation>
        </message>
        <message>
            <source># tapstand kits (6 taps)</source>
            <translation>Nb kits bornes-fontaines (6 rob.)</translation>
        </message>
        <message>
            <source>%1 pump %2 model</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>%1 Tank %2 M^3</source>
            <translation>Réservoir %1 %2 m³</translation>
        </message>
    </context>
    <context>
        <name>quorvel::SheetLayout</name>
        <message>
            <source>Water Source Elevation= </source>
            <translation>Altitude du point d'eau = </translation>
        </message>
        <message>
            <source>Storage Elevation= </source>
            <translation>Altitude du réservoir = </translation>
        </message>
        <message>
            <source>Pipeline Length= </source>
            <translation>Longueur de conduite = </translation>
        </message>
        <message>
            <source>Population= </source>
            <translation>Population = </translation>
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
            <translation>Catalogue des réservoirs</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>1 more tank type in %1 is kept but not shown</source>
            <translation>1 type de réservoir de plus dans %1 est conservé mais pas affiché</translation>
        </message>
        <message>
            <source>%1 more tank types in %2 are kept but not shown</source>
            <translation>%1 types de réservoir de plus dans %2 sont conservés mais pas affichés</translation>
        </message>
        <message>
            <source>Select a data item</source>
            <translation>Sélectionnez une ligne</translation>
        </message>
    </context>
</TS>
