<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Configuration de l&apos;impression</translation>
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
        <translation>À propos de Quorvel</translation>
    </message>
    <message>
        <source>Quorvel is a simulator to design emergency systems</source>
        <translation>Quorvel simule la conception de réseaux d&apos;urgence</translation>
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
        <source>&quot;%1&quot; was changed by another program since it was read. Overwrite it?</source>
        <translation>« %1 » a été modifié par un autre programme depuis sa lecture. L&apos;écraser ?</translation>
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
        <source>&quot;%1&quot; is not valid UTF-8 after its byte-order mark</source>
        <translation>« %1 » n&apos;est pas en UTF-8 valide après sa marque d&apos;ordre des octets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no line that can be read</source>
        <translation>« %1 » ne contient aucune ligne lisible</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read because an earlier catalog could not be read</source>
        <translation>« %1 » n&apos;a pas été lu car un catalogue précédent était illisible</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read; saving would erase it</source>
        <translation>« %1 » n&apos;a pas été lu ; l&apos;enregistrer l&apos;effacerait</translation>
    </message>
</context>
<context>
    <name>quorvel::ChecksSummary</name>
    <message>
        <source>Design checks…</source>
        <translation>Vérifications…</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignChecks</name>
    <message>
        <source>at least %1</source>
        <translation>au moins %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>au plus %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 below %4</source>
        <translation>%1 %2 %3, en dessous de %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 above %4</source>
        <translation>%1 %2 %3, au-dessus de %4</translation>
    </message>
    <message>
        <source>operating flow</source>
        <translation>débit de fonctionnement</translation>
    </message>
    <message>
        <source>the design flow of %1</source>
        <translation>%1 (débit de calcul)</translation>
    </message>
    <message>
        <source>: the tank does not fill in the pumping hours</source>
        <translation> : le réservoir ne se remplit pas pendant la durée de pompage</translation>
    </message>
    <message>
        <source>flow velocity</source>
        <translation>vitesse d&apos;écoulement</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>%1 à %2 %3</translation>
    </message>
    <message>
        <source>daily usage</source>
        <translation>consommation journalière</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>L/pers./jour</translation>
    </message>
    <message>
        <source>people per tap</source>
        <translation>personnes par robinet</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personnes</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>h/jour</translation>
    </message>
    <message>
        <source>actual storage</source>
        <translation>stockage réel</translation>
    </message>
    <message>
        <source>the theoretical storage of %1</source>
        <translation>%1 (stockage théorique)</translation>
    </message>
    <message>
        <source>, %1 m³ short</source>
        <translation>, %1 m³ manquants</translation>
    </message>
    <message>
        <source>design flow</source>
        <translation>débit de calcul</translation>
    </message>
    <message>
        <source>the pump&apos;s rated flow of %1</source>
        <translation>%1 (débit nominal de la pompe)</translation>
    </message>
    <message>
        <source>pumping head</source>
        <translation>hauteur manométrique</translation>
    </message>
    <message>
        <source>the pump&apos;s rated head of %1</source>
        <translation>%1 (HMT nominale de la pompe)</translation>
    </message>
    <message>
        <source>All %1 checks pass</source>
        <translation>Les %1 vérifications sont satisfaites</translation>
    </message>
    <message>
        <source>1 warning: %1</source>
        <translation>1 avertissement : %1</translation>
    </message>
    <message>
        <source>%1 warnings: %2</source>
        <translation>%1 avertissements : %2</translation>
    </message>
    <message>
        <source>supply</source>
        <translation>adduction</translation>
    </message>
    <message>
        <source>gravity supply: no pump needed</source>
        <translation>adduction gravitaire : pas de pompe nécessaire</translation>
    </message>
    <message>
        <source>no catalog pump delivers %1 L/s at %2 m</source>
        <translation>aucune pompe du catalogue ne fournit %1 L/s à %2 m</translation>
    </message>
    <message>
        <source> (pumping head %1 m + %2 %)</source>
        <translation> (hauteur manométrique %1 m + %2 %)</translation>
    </message>
    <message>
        <source>a gravity supply needs no pump</source>
        <translation>une adduction gravitaire n&apos;a pas besoin de pompe</translation>
    </message>
    <message>
        <source>gravity flow</source>
        <translation>débit gravitaire</translation>
    </message>
    <message>
        <source>: no water reaches the tank</source>
        <translation> : aucune eau n&apos;atteint le réservoir</translation>
    </message>
    <message>
        <source>no water flows</source>
        <translation>aucune eau ne s&apos;écoule</translation>
    </message>
    <message>
        <source>hours at the gravity flow</source>
        <translation>heures au débit gravitaire</translation>
    </message>
    <message>
        <source>pumping hours at the operating point</source>
        <translation>heures de pompage au point de fonctionnement</translation>
    </message>
    <message>
        <source>: the day&apos;s demand does not reach the tank</source>
        <translation> : la demande du jour n&apos;atteint pas le réservoir</translation>
    </message>
    <message>
        <source>flow velocity at the gravity flow</source>
        <translation>vitesse d&apos;écoulement au débit gravitaire</translation>
    </message>
    <message>
        <source>flow velocity at the operating point</source>
        <translation>vitesse d&apos;écoulement au point de fonctionnement</translation>
    </message>
    <message>
        <source>share of the rated flow</source>
        <translation>pourcentage du débit nominal</translation>
    </message>
    <message>
        <source>%1 to %2 % of the rated flow</source>
        <translation>%1 à %2 % du débit nominal</translation>
    </message>
    <message>
        <source>the pump runs at %1 % of its rated flow of %2 L/s, far right of its rated point: inefficient, and it may cavitate</source>
        <translation>la pompe fonctionne à %1 % de son débit nominal de %2 L/s, loin à droite de son point nominal : rendement médiocre, et risque de cavitation</translation>
    </message>
    <message>
        <source>the pump runs at %1 % of its rated flow of %2 L/s, far left of its rated point: inefficient</source>
        <translation>la pompe fonctionne à %1 % de son débit nominal de %2 L/s, loin à gauche de son point nominal : rendement médiocre</translation>
    </message>
    <message>
        <source>estimated pumping time at the design flow</source>
        <translation>durée de pompage estimée au débit de calcul</translation>
    </message>
    <message>
        <source>Not designed: %1</source>
        <translation>Non dimensionné : %1</translation>
    </message>
    <message>
        <source>1 failure: %1</source>
        <translation>1 échec : %1</translation>
    </message>
    <message>
        <source>%1 failures: %2</source>
        <translation>%1 échecs : %2</translation>
    </message>
    <message>
        <source>all %1 checks pass</source>
        <translation>les %1 vérifications sont satisfaites</translation>
    </message>
    <message>
        <source>a pump for a pumping head above 0 m, else gravity</source>
        <translation>une pompe pour une hauteur manométrique supérieure à 0 m, sinon la gravité</translation>
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
        <translation>Vérifications de conception</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Non conforme</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Sans objet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignCommand</name>
    <message>
        <source>--velocity takes MIN,MAX in m/s, finite and MIN below MAX, e.g. 0.5,2.0 (got %1)</source>
        <translation>--velocity attend MIN,MAX en m/s, finis et MIN inférieur à MAX, p. ex. 0.5,2.0 (reçu %1)</translation>
    </message>
    <message>
        <source>--%1 needs a %2; leave the option out for the automatic choice</source>
        <translation>--%1 attend un %2 ; omettez l&apos;option pour le choix automatique</translation>
    </message>
    <message>
        <source>Designs emergency water supplies, one site a line of SITES.csv, with the catalogs of the database folder.
The first line names the columns, in any order: Site, L (pipeline length m), Zw (source elevation m),
Zt (storage elevation m), P (population), T (pumping hours h/day), U (daily usage L/capita/day),
K (people per tap); long captions, units in brackets and semicolon files with decimal commas are read too.
Exit status: 0 all sites designed, 1 some failed, 2 bad usage, unreadable input or catalogs, or an
output that cannot be written.</source>
        <translation>Dimensionne des adductions d&apos;eau d&apos;urgence, un site par ligne de SITES.csv, avec les catalogues du dossier de la base.
La première ligne nomme les colonnes, dans n&apos;importe quel ordre : Site, L (longueur de conduite m), Zw (altitude du point d&apos;eau m),
Zt (altitude du réservoir m), P (population), T (heures de pompage h/jour), U (consommation journalière L/pers./jour),
K (personnes par robinet) ; les intitulés longs, les unités entre crochets et les fichiers à points-virgules et virgules décimales sont lus aussi.
Code de sortie : 0 tous les sites dimensionnés, 1 certains en échec, 2 mauvais usage, entrée ou catalogues illisibles, ou
sortie impossible à écrire.</translation>
    </message>
    <message>
        <source>The sites; - reads standard input.</source>
        <translation>Les sites ; - lit l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>give either SITES.csv or --site, not both</source>
        <translation>donnez SITES.csv ou --site, pas les deux</translation>
    </message>
    <message>
        <source>--site takes the seven inputs L,Zw,Zt,P,T,U,K</source>
        <translation>--site attend les sept données L,Zw,Zt,P,T,U,K</translation>
    </message>
    <message>
        <source>give one SITES.csv (or --site); see --help</source>
        <translation>donnez un SITES.csv (ou --site) ; voir --help</translation>
    </message>
    <message>
        <source>--csv and --json exclude each other</source>
        <translation>--csv et --json s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>pump row or model</source>
        <translation>numéro de ligne ou modèle de pompe</translation>
    </message>
    <message>
        <source>tank row or type</source>
        <translation>numéro de ligne ou type de réservoir</translation>
    </message>
    <message>
        <source>--head-margin takes a percentage from 0 to 100 (got %1)</source>
        <translation>--head-margin attend un pourcentage de 0 à 100 (reçu %1)</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report attend un nom de fichier</translation>
    </message>
    <message>
        <source>--epanet needs a folder</source>
        <translation>--epanet attend un dossier</translation>
    </message>
    <message>
        <source>--database %1: no such folder</source>
        <translation>--database %1 : dossier introuvable</translation>
    </message>
    <message>
        <source>the sites file</source>
        <translation>le fichier des sites</translation>
    </message>
    <message>
        <source>the catalog %1</source>
        <translation>le catalogue %1</translation>
    </message>
    <message>
        <source>%1 %2: is a folder; give a file name</source>
        <translation>%1 %2 : est un dossier ; donnez un nom de fichier</translation>
    </message>
    <message>
        <source>%1 %2 is %3: refusing to write over an input</source>
        <translation>%1 %2 est %3 : refus d&apos;écraser une entrée</translation>
    </message>
    <message>
        <source>-o and --report name the same file %1</source>
        <translation>-o et --report désignent le même fichier %1</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1 line %2, %3: %4</source>
        <translation>%1 ligne %2, %3 : %4</translation>
    </message>
    <message>
        <source>%1 line %2: no pump with a rated flow and head, so no EPANET network</source>
        <translation>%1 ligne %2 : aucune pompe avec débit et HMT nominaux, donc pas de réseau EPANET</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Designs one site instead of a file.</source>
        <translation>Dimensionne un seul site au lieu d&apos;un fichier.</translation>
    </message>
    <message>
        <source>The name of the --site.</source>
        <translation>Le nom du --site.</translation>
    </message>
    <message>
        <source>SITES.csv has no caption line: its columns are Site,L,Zw,Zt,P,T,U,K in this order.</source>
        <translation>SITES.csv n&apos;a pas de ligne d&apos;intitulés : ses colonnes sont Site,L,Zw,Zt,P,T,U,K dans cet ordre.</translation>
    </message>
    <message>
        <source>The folder of pipes.csv, pumps.csv and storage.csv (default: the program&apos;s database folder).</source>
        <translation>Le dossier de pipes.csv, pumps.csv et storage.csv (par défaut : le dossier de la base du programme).</translation>
    </message>
    <message>
        <source>The tank type, by row or type, in any case (default: the type that holds the storage with the fewest tanks).</source>
        <translation>Le type de réservoir, par ligne ou type, sans distinction de casse (par défaut : le type qui contient le stockage avec le moins de réservoirs).</translation>
    </message>
    <message>
        <source>Flow velocities outside this range are warned about (default 0.5,2.0).</source>
        <translation>Les vitesses d&apos;écoulement hors de cette plage donnent un avertissement (par défaut 0.5,2.0).</translation>
    </message>
    <message>
        <source>Writes CSV instead of a table.</source>
        <translation>Écrit du CSV au lieu d&apos;un tableau.</translation>
    </message>
    <message>
        <source>Writes JSON instead of a table.</source>
        <translation>Écrit du JSON au lieu d&apos;un tableau.</translation>
    </message>
    <message>
        <source>Writes to FILE (- standard output), replacing it only when complete.</source>
        <translation>Écrit dans FILE (- sortie standard), en le remplaçant seulement une fois complet.</translation>
    </message>
    <message>
        <source>Writes each designed site as an EPANET network, DIR/&lt;site&gt;.inp, to run in EPANET: the pump on its rated-point curve, the pipeline, the tank and the day&apos;s demand over 24 hours.</source>
        <translation>Écrit chaque site dimensionné comme réseau EPANET, DIR/&lt;site&gt;.inp, à calculer dans EPANET : la pompe sur sa courbe au point nominal, la conduite, le réservoir et la demande du jour sur 24 heures.</translation>
    </message>
    <message>
        <source>Adds the bill of quantities: pumps, tanks, tapstand kits, pipe metres, people and daily demand.</source>
        <translation>Ajoute le devis quantitatif : pompes, réservoirs, kits bornes-fontaines, mètres de conduite, personnes et demande journalière.</translation>
    </message>
    <message>
        <source>The language of the messages, the table and the report: en, fr, es, pt or ar (default: the user&apos;s locale). CSV, JSON and network files are English in every language.</source>
        <translation>La langue des messages, du tableau et du rapport : en, fr, es, pt ou ar (par défaut : la langue de l&apos;utilisateur). Les fichiers CSV, JSON et réseau restent en anglais dans toutes les langues.</translation>
    </message>
    <message>
        <source>%1 line %2: not designed: %3</source>
        <translation>%1 ligne %2 : non dimensionné : %3</translation>
    </message>
    <message>
        <source>The pump for every site, by row or model, in any case (default: of the pumps that fill the tank, the least rated power among those running at 80 to 120 % of their rated flow within the velocity limit, else the least rated power).</source>
        <translation>La pompe de tous les sites, par ligne ou modèle, sans distinction de casse (par défaut : parmi les pompes qui remplissent le réservoir, la plus faible puissance nominale parmi celles qui fonctionnent entre 80 et 120 % de leur débit nominal dans la limite de vitesse, sinon la plus faible puissance nominale).</translation>
    </message>
    <message>
        <source>How far beyond the pumping head an automatically chosen pump&apos;s head at the design flow must reach, in percent (default 10).</source>
        <translation>De combien la hauteur d&apos;une pompe choisie automatiquement au débit de calcul doit dépasser la hauteur manométrique, en pour cent (par défaut 10).</translation>
    </message>
    <message>
        <source>Writes a PDF report: a page a designed site, a table of those not designed.</source>
        <translation>Écrit un rapport PDF : une page par site conçu, un tableau des sites non conçus.</translation>
    </message>
    <message>
        <source>The engineer the report names as having prepared it, remembered for later reports.</source>
        <translation>L&apos;ingénieur que le rapport nomme comme auteur, retenu pour les rapports suivants.</translation>
    </message>
    <message>
        <source>The engineer&apos;s organisation on the report, remembered for later reports.</source>
        <translation>L&apos;organisation de l&apos;ingénieur sur le rapport, retenue pour les rapports suivants.</translation>
    </message>
    <message>
        <source>The pipeline&apos;s route for the --site, from the source to the tank: a CSV file of distance and elevation, or a GPX track. A sites file names each site&apos;s in its Profile column.</source>
        <translation>Le tracé de la conduite du --site, de la source au réservoir : un fichier CSV de distances et d'altitudes, ou une trace GPX. Un fichier de sites nomme celui de chaque site dans sa colonne Profile.</translation>
    </message>
    <message>
        <source>--profile goes with --site; a sites file names each site&apos;s profile in its Profile column</source>
        <translation>--profile va avec --site ; un fichier de sites nomme le profil de chaque site dans sa colonne Profile</translation>
    </message>
    <message>
        <source>the profile</source>
        <translation>le profil</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignReport</name>
    <message>
        <source>Bill of quantities</source>
        <translation>Devis quantitatif</translation>
    </message>
    <message>
        <source>Site on line %1</source>
        <translation>Site de la ligne %1</translation>
    </message>
    <message>
        <source>Line %1 of the sites file</source>
        <translation>Ligne %1 du fichier des sites</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>none, gravity supply</source>
        <translation>aucune, adduction gravitaire</translation>
    </message>
    <message>
        <source>no catalog pump reaches the duty</source>
        <translation>aucune pompe du catalogue n&apos;atteint le point de fonctionnement</translation>
    </message>
    <message>
        <source>Pump: %1</source>
        <translation>Pompe : %1</translation>
    </message>
    <message>
        <source>Tank: %1</source>
        <translation>Stockage : %1</translation>
    </message>
    <message>
        <source>Flow velocity %1 m/s, hydraulic gradient %2 m/km</source>
        <translation>Vitesse d&apos;écoulement %1 m/s, gradient hydraulique %2 m/km</translation>
    </message>
    <message>
        <source>The PDF writer could not finish the document</source>
        <translation>Le générateur PDF n&apos;a pas pu terminer le document</translation>
    </message>
    <message>
        <source>Rated point: %1 L/s at %2 m</source>
        <translation>Point nominal : %1 L/s à %2 m</translation>
    </message>
    <message>
        <source>Operating point on this pipeline: %1 L/s at %2 m, %3 h/day</source>
        <translation>Point de fonctionnement sur cette conduite : %1 L/s à %2 m, %3 h/jour</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personnes</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>h/jour</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>L/personne/jour</translation>
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
        <translation>po</translation>
    </message>
    <message>
        <source>m³</source>
        <translation>m³</translation>
    </message>
    <message>
        <source>pump</source>
        <translation>pompe</translation>
    </message>
    <message>
        <source>tanks</source>
        <translation>réservoirs</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>kits</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>not applicable</source>
        <translation>sans objet</translation>
    </message>
    <message>
        <source>Prepared by %1</source>
        <translation>Préparé par %1</translation>
    </message>
    <message>
        <source>Quorvel %1 design report</source>
        <translation>Rapport de conception Quorvel %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Friction loss by Hazen-Williams with C = 140 on the pipe&apos;s inside diameter; suction and minor losses are left out.</source>
        <translation>Pertes de charge par Hazen-Williams avec C = 140 sur le diamètre intérieur du tuyau ; l&apos;aspiration et les pertes singulières sont négligées.</translation>
    </message>
    <message>
        <source>Pump curve through the rated point alone: H(q) = 4/3 Hᵣ − Hᵣ/3 · (q/Qᵣ)², 4/3 of the rated head at shut-off and no head at twice the rated flow; the operating point is where it meets the system curve (static lift plus friction loss).</source>
        <translation>Courbe de la pompe par le seul point nominal : H(q) = 4/3 Hᵣ − Hᵣ/3 · (q/Qᵣ)², 4/3 de la hauteur nominale à débit nul et aucune hauteur au double du débit nominal ; le point de fonctionnement est sa rencontre avec la courbe du réseau (hauteur géométrique plus pertes de charge).</translation>
    </message>
    <message>
        <source>Checks: daily usage at least 15 L/person/day and at most 250 people per tap (Sphere minimum standards); flow velocity %1 to %2 m/s; a pump near its rated point at %3 to %4 % of its rated flow; at most 24 h/day at the operating point.</source>
        <translation>Vérifications : consommation d&apos;au moins 15 L/personne/jour et au plus 250 personnes par robinet (normes minimales Sphère) ; vitesse d&apos;écoulement de %1 à %2 m/s ; une pompe près de son point nominal, entre %3 et %4 % de son débit nominal ; au plus 24 h/jour au point de fonctionnement.</translation>
    </message>
    <message>
        <source>An automatically chosen pump reaches the pumping head plus %1 % at the design flow.</source>
        <translation>Une pompe choisie automatiquement atteint la hauteur manométrique plus %1 % au débit de calcul.</translation>
    </message>
    <message>
        <source>Water supply design: %1</source>
        <translation>Conception d&apos;adduction d&apos;eau : %1</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Gravity flow on this pipeline: %1 L/s, %2 h/day</source>
        <translation>Débit gravitaire sur cette conduite : %1 L/s, %2 h/jour</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>Hypothèses</translation>
    </message>
    <message>
        <source>Sites not designed</source>
        <translation>Sites non conçus</translation>
    </message>
    <message>
        <source>%1 sites</source>
        <translation>%1 sites</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Duty point</source>
        <translation>Courbes de fonctionnement</translation>
    </message>
    <message>
        <source>As stated on page %1 for every site of this report.</source>
        <translation>Celles indiquées en page %1 pour tous les sites de ce rapport.</translation>
    </message>
    <message>
        <source>Every site of this report was designed and checked on these assumptions:</source>
        <translation>Tous les sites de ce rapport ont été dimensionnés et vérifiés selon ces hypothèses :</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignSummary</name>
    <message>
        <source>unit</source>
        <translation>unité</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Sites</translation>
    </message>
    <message>
        <source>designed</source>
        <translation>dimensionnés</translation>
    </message>
    <message>
        <source>sites</source>
        <translation>sites</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>en échec</translation>
    </message>
    <message>
        <source>gravity supply, no pump</source>
        <translation>adduction gravitaire, sans pompe</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>Pompes</translation>
    </message>
    <message>
        <source>Tanks</source>
        <translation>Réservoirs</translation>
    </message>
    <message>
        <source>Tapstand kits</source>
        <translation>Kits bornes-fontaines</translation>
    </message>
    <message>
        <source>kits of 6 taps</source>
        <translation>kits de 6 robinets</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Conduite</translation>
    </message>
    <message>
        <source>nominal %1&quot;</source>
        <translation>DN %1&quot;</translation>
    </message>
    <message>
        <source>People served</source>
        <translation>Personnes desservies</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personnes</translation>
    </message>
    <message>
        <source>Daily demand</source>
        <translation>Demande journalière</translation>
    </message>
    <message>
        <source>line %1: %2 L/s at a pumping head of %3 m</source>
        <translation>ligne %1 : %2 L/s à une hauteur manométrique de %3 m</translation>
    </message>
    <message>
        <source>%1 (line %2): %3 L/s at a pumping head of %4 m</source>
        <translation>%1 (ligne %2) : %3 L/s à une hauteur manométrique de %4 m</translation>
    </message>
    <message>
        <source>Pumps to be sourced</source>
        <translation>Pompes à acquérir</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>m³/day</source>
        <translation>m³/jour</translation>
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
    <name>quorvel::DutyChart</name>
    <message>
        <source>Available fall</source>
        <translation>Dénivelé disponible</translation>
    </message>
    <message>
        <source>Pump curve</source>
        <translation>Courbe de la pompe</translation>
    </message>
    <message>
        <source>Friction loss</source>
        <translation>Pertes de charge</translation>
    </message>
    <message>
        <source>System curve</source>
        <translation>Courbe de la conduite</translation>
    </message>
    <message>
        <source>Rated point</source>
        <translation>Point nominal</translation>
    </message>
    <message>
        <source>Design duty</source>
        <translation>Point de calcul</translation>
    </message>
    <message>
        <source>Gravity flow</source>
        <translation>Débit gravitaire</translation>
    </message>
    <message>
        <source>Operating point</source>
        <translation>Point de fonctionnement</translation>
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
        <source>No operating point: the pump cannot lift the water</source>
        <translation>Pas de point de fonctionnement : la pompe ne peut pas élever l&apos;eau</translation>
    </message>
</context>
<context>
    <name>quorvel::EpanetExport</name>
    <message>
        <source>--epanet %1: is a file; give a folder</source>
        <translation>--epanet %1 : est un fichier ; donnez un dossier</translation>
    </message>
    <message>
        <source>--epanet %1: cannot create the folder</source>
        <translation>--epanet %1 : impossible de créer le dossier</translation>
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
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d&apos;écriture du fichier</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>File is larger than 256 MB</source>
        <translation>Le fichier dépasse 256 Mo</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>quorvel::InputChecks</name>
    <message>
        <source>pipeline length</source>
        <translation>longueur de conduite</translation>
    </message>
    <message>
        <source>above 0 m</source>
        <translation>plus de 0 m</translation>
    </message>
    <message>
        <source>water source elevation</source>
        <translation>altitude du point d&apos;eau</translation>
    </message>
    <message>
        <source>storage elevation</source>
        <translation>altitude du réservoir</translation>
    </message>
    <message>
        <source>population</source>
        <translation>population</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personnes</translation>
    </message>
    <message>
        <source>above 0 people</source>
        <translation>plus de 0 personnes</translation>
    </message>
    <message>
        <source>pumping time</source>
        <translation>durée de pompage</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>h/jour</translation>
    </message>
    <message>
        <source>above 0 and at most 24 h/day</source>
        <translation>plus de 0 et au plus 24 h/jour</translation>
    </message>
    <message>
        <source>daily usage</source>
        <translation>consommation journalière</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>L/pers./jour</translation>
    </message>
    <message>
        <source>above 0 L/person/day</source>
        <translation>plus de 0 L/pers./jour</translation>
    </message>
    <message>
        <source>people per tap</source>
        <translation>personnes par robinet</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2 : %3</translation>
    </message>
    <message>
        <source>any finite number</source>
        <translation>tout nombre fini</translation>
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
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Export Design Report…</source>
        <translation>Exporter le rapport…</translation>
    </message>
    <message>
        <source>Open Diameters File</source>
        <translation>Ouvrir le fichier des diamètres</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>Ressources</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>Pompes</translation>
    </message>
    <message>
        <source>Distribution Tanks</source>
        <translation>Réservoirs de distribution</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Quorvel</source>
        <translation>Quorvel</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>À propos de Quorvel</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Enregistrer le projet en cours</translation>
    </message>
    <message>
        <source>Print the current project</source>
        <translation>Imprimer le projet en cours</translation>
    </message>
    <message>
        <source>Open the Pipes file</source>
        <translation>Ouvrir le fichier des conduites</translation>
    </message>
    <message>
        <source>Open the Pumps file</source>
        <translation>Ouvrir le fichier des pompes</translation>
    </message>
    <message>
        <source>Open the Tanks file</source>
        <translation>Ouvrir le fichier des réservoirs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projet :</translation>
    </message>
    <message>
        <source>To Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export EPANET Network…</source>
        <translation>Exporter le réseau EPANET…</translation>
    </message>
    <message>
        <source>EPANET networks (*.inp)|*.inp</source>
        <translation>Réseaux EPANET (*.inp)|*.inp</translation>
    </message>
    <message>
        <source>No design to export: calculate first</source>
        <translation>Aucun dimensionnement à exporter : calculez d&apos;abord</translation>
    </message>
    <message>
        <source>Not exported while the design fails: %1</source>
        <translation>Export impossible tant que le dimensionnement échoue : %1</translation>
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
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>« %1 » n&apos;est pas un nombre valide (point décimal)</translation>
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
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
</context>
<context>
    <name>quorvel::PipeRatings</name>
    <message>
        <source>%1 line 1: no column %2; expected the captions No, Material, Nominal (in), Rated pressure (bar), Wave speed (m/s), Source</source>
        <translation>%1 ligne 1 : aucune colonne %2 ; attendu les intitulés No, Material, Nominal (in), Rated pressure (bar), Wave speed (m/s), Source</translation>
    </message>
    <message>
        <source>%1 line %2, %3: &apos;%4&apos; is not a positive number</source>
        <translation>%1 ligne %2, %3 : « %4 » n&apos;est pas un nombre positif</translation>
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
        <translation>Aucune imprimante par défaut n&apos;est sélectionnée</translation>
    </message>
    <message>
        <source>Operation not supported on selected printer</source>
        <translation>Opération non prise en charge par l&apos;imprimante sélectionnée</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>L&apos;imprimante sélectionnée n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>L&apos;imprimante n&apos;imprime pas en ce moment</translation>
    </message>
    <message>
        <source>Printer index out of range</source>
        <translation>Numéro d&apos;imprimante hors limites</translation>
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
        <translation>Altitude du point d&apos;eau</translation>
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
        <translation>Altitude du point d&apos;eau = </translation>
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
        <translation>Le fichier n&apos;est pas disponible. Vérifiez qu&apos;il existe</translation>
    </message>
    <message>
        <source>1 more pump in %2 is kept but not shown</source>
        <translation>1 pompe de plus dans %2 est conservée mais pas affichée</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportAuthorDialog</name>
    <message>
        <source>Design Report</source>
        <translation>Rapport de dimensionnement</translation>
    </message>
    <message>
        <source>The report&apos;s header names who prepared it. Leave both empty to name no one.</source>
        <translation>L&apos;en-tête du rapport nomme qui l&apos;a préparé. Laissez les deux champs vides pour ne nommer personne.</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Préparé par :</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>Organisation :</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportExport</name>
    <message>
        <source>Untitled project</source>
        <translation>Projet sans nom</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. A design report is a PDF file (.pdf)</source>
        <translation>Impossible de créer le fichier « %1 ». Un rapport de conception est un fichier PDF (.pdf)</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. An EPANET network is an .inp file</source>
        <translation>Impossible de créer le fichier « %1 ». Un réseau EPANET est un fichier .inp</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. The pump &quot;%2&quot; has no rated flow and head in the pump catalog</source>
        <translation>Impossible de créer le fichier « %1 ». La pompe « %2 » n&apos;a ni débit nominal ni HMT nominale dans le catalogue des pompes</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultWriter</name>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Pump description</source>
        <translation>Description de la pompe</translation>
    </message>
    <message>
        <source>Tank description</source>
        <translation>Description du réservoir</translation>
    </message>
    <message>
        <source>Flow velocity (m/s)</source>
        <translation>Vitesse d&apos;écoulement (m/s)</translation>
    </message>
    <message>
        <source>Hydraulic gradient (m/km)</source>
        <translation>Gradient hydraulique (m/km)</translation>
    </message>
    <message>
        <source>Operating flow (L/s)</source>
        <translation>Débit de fonctionnement (L/s)</translation>
    </message>
    <message>
        <source>Operating head (m)</source>
        <translation>HMT de fonctionnement (m)</translation>
    </message>
    <message>
        <source>Hours at operating flow (h/day)</source>
        <translation>Heures au débit de fonctionnement (h/jour)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>erreur : </translation>
    </message>
    <message>
        <source>not designed: </source>
        <translation>non dimensionné : </translation>
    </message>
</context>
<context>
    <name>quorvel::RouteChecks</name>
    <message>
        <source>at most the pipe&apos;s rating of %1 m (%2 bar)</source>
        <translation>au plus la pression nominale de la conduite, %1 m (%2 bar)</translation>
    </message>
    <message>
        <source>static pressure %1 m at %2 m above the pipe&apos;s rating of %3 m: break-pressure tanks at %4 m</source>
        <translation>pression statique %1 m à %2 m, au-dessus de la pression nominale de la conduite, %3 m : brise-charges à %4 m</translation>
    </message>
    <message>
        <source>pressure %1 m at %2 m above the pipe&apos;s rating of %3 m: a pipe of a higher pressure class</source>
        <translation>pression %1 m à %2 m, au-dessus de la pression nominale de la conduite, %3 m : une conduite d&apos;une classe de pression plus élevée</translation>
    </message>
    <message>
        <source>pressure rating</source>
        <translation>pression nominale</translation>
    </message>
    <message>
        <source>pressure plus Joukowsky&apos;s rise a·V/g at most the pipe&apos;s rating of %1 m</source>
        <translation>pression plus la surpression de Joukowsky a·V/g au plus la pression nominale de la conduite, %1 m</translation>
    </message>
    <message>
        <source>surge when the pump trips</source>
        <translation>coup de bélier à l&apos;arrêt de la pompe</translation>
    </message>
    <message>
        <source>no pump: a gravity supply</source>
        <translation>pas de pompe : adduction gravitaire</translation>
    </message>
    <message>
        <source>surge when the pump trips: %1 m at %2 m (a rise of %3 m for %4 m/s) above the pipe&apos;s rating of %5 m: surge protection or a stronger pipe (a screen, not a transient simulation)</source>
        <translation>coup de bélier à l&apos;arrêt de la pompe : %1 m à %2 m (une surpression de %3 m pour %4 m/s), au-dessus de la pression nominale de la conduite, %5 m : une protection anti-bélier ou une conduite plus résistante (une estimation, pas une simulation des transitoires)</translation>
    </message>
    <message>
        <source>pressure less Joukowsky&apos;s fall above the vapour pressure</source>
        <translation>pression moins la dépression de Joukowsky au-dessus de la pression de vapeur</translation>
    </message>
    <message>
        <source>pressure drop when the pump trips</source>
        <translation>dépression à l&apos;arrêt de la pompe</translation>
    </message>
    <message>
        <source>pressure drop when the pump trips: %1 m at %2 m, below the vapour pressure of %3 m: the water column may part (a screen, not a transient simulation)</source>
        <translation>dépression à l&apos;arrêt de la pompe : %1 m à %2 m, sous la pression de vapeur de %3 m : la colonne d&apos;eau peut se rompre (une estimation, pas une simulation des transitoires)</translation>
    </message>
    <message>
        <source>at least %1 m above the ground everywhere</source>
        <translation>au moins %1 m au-dessus du sol partout</translation>
    </message>
    <message>
        <source>grade line less than %1 m above the ground from %2 m: the pipe runs under vacuum and draws dirty water in</source>
        <translation>ligne piézométrique à moins de %1 m au-dessus du sol de %2 m : la conduite est en dépression et aspire de l&apos;eau sale</translation>
    </message>
    <message>
        <source>grade line above the ground</source>
        <translation>ligne piézométrique au-dessus du sol</translation>
    </message>
    <message>
        <source>air valves</source>
        <translation>ventouses</translation>
    </message>
    <message>
        <source>air valves at the high points at %1 m</source>
        <translation>ventouses aux points hauts à %1 m</translation>
    </message>
    <message>
        <source>one at each high point</source>
        <translation>une à chaque point haut</translation>
    </message>
    <message>
        <source>washouts</source>
        <translation>vidanges</translation>
    </message>
    <message>
        <source>washouts at the low points at %1 m</source>
        <translation>vidanges aux points bas à %1 m</translation>
    </message>
    <message>
        <source>one at each low point</source>
        <translation>une à chaque point bas</translation>
    </message>
    <message>
        <source>route&apos;s source elevation</source>
        <translation>altitude de la source sur le tracé</translation>
    </message>
    <message>
        <source>the route starts at %1 m, the water source elevation is %2 m; the calculation keeps the typed elevation</source>
        <translation>le tracé commence à %1 m, l&apos;altitude de la source est %2 m ; le calcul garde l&apos;altitude saisie</translation>
    </message>
    <message>
        <source>within %1 m of the water source elevation</source>
        <translation>à %1 m au plus de l&apos;altitude de la source</translation>
    </message>
    <message>
        <source>route&apos;s storage elevation</source>
        <translation>altitude du réservoir sur le tracé</translation>
    </message>
    <message>
        <source>the route ends at %1 m, the storage elevation is %2 m; the calculation keeps the typed elevation</source>
        <translation>le tracé finit à %1 m, l&apos;altitude du réservoir est %2 m ; le calcul garde l&apos;altitude saisie</translation>
    </message>
    <message>
        <source>within %1 m of the storage elevation</source>
        <translation>à %1 m au plus de l&apos;altitude du réservoir</translation>
    </message>
    <message>
        <source>route&apos;s length</source>
        <translation>longueur du tracé</translation>
    </message>
    <message>
        <source>the route is %1 m long, the pipeline length is %2 m; the calculation keeps the typed length</source>
        <translation>le tracé mesure %1 m, la longueur de la conduite est %2 m ; le calcul garde la longueur saisie</translation>
    </message>
    <message>
        <source>within %1 % of the pipeline length</source>
        <translation>à %1 % au plus de la longueur de la conduite</translation>
    </message>
    <message>
        <source>the pipe has no rating in the pipe ratings</source>
        <translation>la conduite n&apos;a pas de pression nominale dans le catalogue des pressions nominales</translation>
    </message>
</context>
<context>
    <name>quorvel::RouteFile</name>
    <message>
        <source>%1 line %2, %3: %4 m does not rise above the %5 m before it</source>
        <translation>%1 ligne %2, %3 : %4 m ne dépasse pas les %5 m précédents</translation>
    </message>
    <message>
        <source>%1: the file holds no line; expected the captions Distance and Elevation, then one point a line</source>
        <translation>%1 : le fichier ne contient aucune ligne ; attendu les intitulés Distance et Elevation, puis un point par ligne</translation>
    </message>
    <message>
        <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
        <translation>%1 : séparé par des points-virgules avec virgules décimales, lu comme un tableur européen l&apos;enregistre</translation>
    </message>
    <message>
        <source>column 1</source>
        <translation>colonne 1</translation>
    </message>
    <message>
        <source>column 2</source>
        <translation>colonne 2</translation>
    </message>
    <message>
        <source>%1 line 1: no column for %2; expected the captions Distance (m) and Elevation (m), in any order</source>
        <translation>%1 ligne 1 : aucune colonne pour %2 ; attendu les intitulés Distance (m) et Elevation (m), dans n&apos;importe quel ordre</translation>
    </message>
    <message>
        <source>the distance</source>
        <translation>la distance</translation>
    </message>
    <message>
        <source>the elevation</source>
        <translation>l&apos;altitude</translation>
    </message>
    <message>
        <source>%1 line %2, %3: &apos;%4&apos; is not a finite number</source>
        <translation>%1 ligne %2, %3 : « %4 » n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>%1 line %2: point %3 has no latitude and longitude in degrees</source>
        <translation>%1 ligne %2 : le point %3 n&apos;a pas de latitude et de longitude en degrés</translation>
    </message>
    <message>
        <source>%1 line %2: point %3 has no elevation; a route needs the ground&apos;s elevation at every point</source>
        <translation>%1 ligne %2 : le point %3 n&apos;a pas d&apos;altitude ; un tracé demande l&apos;altitude du sol en chaque point</translation>
    </message>
    <message>
        <source>%1 line %2: not a GPX file as XML writes it: %3</source>
        <translation>%1 ligne %2 : pas un fichier GPX tel que XML l&apos;écrit : %3</translation>
    </message>
    <message>
        <source>%1: %2 points at the place of the point before counted once</source>
        <translation>%1 : %2 points à l&apos;emplacement du point précédent comptés une fois</translation>
    </message>
    <message>
        <source>%1: a route needs at least two points, the source and the tank; the file has %2</source>
        <translation>%1 : un tracé demande au moins deux points, la source et le réservoir ; le fichier en a %2</translation>
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
        <translation>Altitude du point d&apos;eau</translation>
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
    <name>quorvel::SheetChecks</name>
    <message>
        <source>No checks: the pump catalog no longer holds &quot;%1&quot;</source>
        <translation>Pas de vérifications : le catalogue des pompes ne contient plus « %1 »</translation>
    </message>
    <message>
        <source>No checks: the tanks catalog no longer holds &quot;%1&quot;</source>
        <translation>Pas de vérifications : le catalogue des réservoirs ne contient plus « %1 »</translation>
    </message>
    <message>
        <source>No checks: the results cannot be worked out again (%1)</source>
        <translation>Pas de vérifications : les résultats ne peuvent pas être recalculés (%1)</translation>
    </message>
    <message>
        <source>No checks: the results no longer follow from the catalogs; calculate again</source>
        <translation>Pas de vérifications : les résultats ne découlent plus des catalogues ; recalculez</translation>
    </message>
</context>
<context>
    <name>quorvel::SheetLayout</name>
    <message>
        <source>Water Source Elevation= </source>
        <translation>Altitude du point d&apos;eau = </translation>
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
        <translation>%1 ne contient aucune conduite utilisable</translation>
    </message>
    <message>
        <source>%1 has no &quot;Flow (L/s)&quot; and &quot;Head (m)&quot; columns: name a pump with --pump</source>
        <translation>%1 n&apos;a pas de colonnes « Flow (L/s) » et « Head (m) » : désignez une pompe avec --pump</translation>
    </message>
    <message>
        <source>%1 has no pump %2; its models are %3</source>
        <translation>%1 n&apos;a pas de pompe %2 ; ses modèles sont %3</translation>
    </message>
    <message>
        <source>%1 holds no tank</source>
        <translation>%1 ne contient aucun réservoir</translation>
    </message>
    <message>
        <source>%1 has no tank %2; its types are %3</source>
        <translation>%1 n&apos;a pas de réservoir %2 ; ses types sont %3</translation>
    </message>
    <message>
        <source>gravity supply: the storage is below the source, no pump needed</source>
        <translation>adduction gravitaire : le réservoir est sous le point d&apos;eau, pas de pompe nécessaire</translation>
    </message>
    <message>
        <source>pump: named</source>
        <translation>pompe : désignée</translation>
    </message>
    <message>
        <source>%1 L/s at %2 m (pumping head %3 m + %4 %)</source>
        <translation>%1 L/s à %2 m (hauteur manométrique %3 m + %4 %)</translation>
    </message>
    <message>
        <source>%1 tanks round to 0 for a theoretical storage of %2 m³: choose a smaller tank</source>
        <translation>%1 : le nombre de réservoirs s&apos;arrondit à 0 pour un stockage théorique de %2 m³ ; choisissez un réservoir plus petit</translation>
    </message>
    <message>
        <source>tank: fewest tanks (%1) holding %2 m³</source>
        <translation>réservoir : le moins de réservoirs (%1) contenant %2 m³</translation>
    </message>
    <message>
        <source>%1 (got %2)</source>
        <translation>%1 (reçu %2)</translation>
    </message>
    <message>
        <source>%1: blank line — row skipped</source>
        <translation>%1 : ligne vide — ligne ignorée</translation>
    </message>
    <message>
        <source>%1, %2: &apos;%3&apos; is not %4 — row skipped</source>
        <translation>%1, %2 : « %3 » n&apos;est pas %4 — ligne ignorée</translation>
    </message>
    <message>
        <source>a positive number</source>
        <translation>un nombre positif</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>valeur manquante</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>must be greater than 0</source>
        <translation>doit dépasser 0</translation>
    </message>
    <message>
        <source>must be at most 24 hours a day</source>
        <translation>ne doit pas dépasser 24 heures par jour</translation>
    </message>
    <message>
        <source>gravity flow %1 L/s: %2 h/day deliver the day&apos;s demand</source>
        <translation>débit gravitaire %1 L/s : %2 h/jour fournissent la demande du jour</translation>
    </message>
    <message>
        <source>the pump needs %1 h/day at its operating flow of %2 L/s; the estimated actual pumping time is at the design flow of %3 L/s</source>
        <translation>la pompe a besoin de %1 h/jour à son débit de fonctionnement de %2 L/s ; la durée de pompage réelle estimée se rapporte au débit de calcul de %3 L/s</translation>
    </message>
    <message>
        <source>pump: smallest rated flow of %1 reaching %2</source>
        <translation>pompe : plus petit débit nominal parmi %1 atteignant %2</translation>
    </message>
    <message>
        <source>pump: least power (%1 kW) of the %2 that run at 80 to 120 % of their rated flow within the velocity limit, of %3 reaching %4</source>
        <translation>pompe : plus faible puissance (%1 kW) parmi celles qui fonctionnent entre 80 et 120 % de leur débit nominal dans la limite de vitesse (%2 sur %3 atteignant %4)</translation>
    </message>
    <message>
        <source>pump: least power (%1 kW) of %2 reaching %3; none runs at 80 to 120 % of its rated flow within the velocity limit</source>
        <translation>pompe : plus faible puissance (%1 kW) parmi %2 atteignant %3 ; aucune ne fonctionne entre 80 et 120 % de son débit nominal dans la limite de vitesse</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 ligne %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1</source>
        <translation>pompe : la seule atteignant %1</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1, at 80 to 120 % of its rated flow within the velocity limit (%2 kW)</source>
        <translation>pompe : la seule atteignant %1, entre 80 et 120 % de son débit nominal dans la limite de vitesse (%2 kW)</translation>
    </message>
    <message>
        <source>pump: of %1 reaching %2, the only one at 80 to 120 % of its rated flow within the velocity limit (%3 kW)</source>
        <translation>pompe : parmi %1 atteignant %2, la seule entre 80 et 120 % de son débit nominal dans la limite de vitesse (%3 kW)</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1 (%2 kW); it does not run at 80 to 120 % of its rated flow within the velocity limit</source>
        <translation>pompe : la seule atteignant %1 (%2 kW) ; elle ne fonctionne pas entre 80 et 120 % de son débit nominal dans la limite de vitesse</translation>
    </message>
</context>
<context>
    <name>quorvel::SitesFile</name>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>Cannot read the standard input</source>
        <translation>Impossible de lire l&apos;entrée standard</translation>
    </message>
    <message>
        <source>%1: the file holds no line; expected captions, then one site a line</source>
        <translation>%1 : le fichier ne contient aucune ligne ; attendu : les intitulés, puis un site par ligne</translation>
    </message>
    <message>
        <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
        <translation>%1 : séparé par des points-virgules avec virgules décimales, lu comme un tableur européen l&apos;enregistre</translation>
    </message>
    <message>
        <source>%1: the file holds no site, only its caption line</source>
        <translation>%1 : le fichier ne contient aucun site, seulement sa ligne d&apos;intitulés</translation>
    </message>
    <message>
        <source>expected the captions Site and %1, in any order; a file without captions needs --no-header</source>
        <translation>intitulés attendus : Site et %1, dans n&apos;importe quel ordre ; un fichier sans intitulés demande --no-header</translation>
    </message>
    <message>
        <source>%1 line 1: no known caption; %2</source>
        <translation>%1 ligne 1 : aucun intitulé connu ; %2</translation>
    </message>
    <message>
        <source>%1 line 1: no column for %2; %3</source>
        <translation>%1 ligne 1 : pas de colonne pour %2 ; %3</translation>
    </message>
    <message>
        <source>%1 line 1: the input of column &quot;%2&quot; has a column already</source>
        <translation>%1 ligne 1 : la donnée de la colonne « %2 » a déjà une colonne</translation>
    </message>
    <message>
        <source>%1: 1 blank row skipped</source>
        <translation>%1 : 1 ligne vide ignorée</translation>
    </message>
    <message>
        <source>%1: %2 blank rows skipped</source>
        <translation>%1 : %2 lignes vides ignorées</translation>
    </message>
    <message>
        <source>ambiguous point: with decimal commas a point only separates thousands, as in 1.200,5</source>
        <translation>point ambigu : avec des virgules décimales, un point ne sépare que les milliers, comme dans 1.200,5</translation>
    </message>
    <message>
        <source>%1 line 1: column %2 &quot;%3&quot; is not an input, ignored</source>
        <translation>%1 ligne 1 : la colonne %2 « %3 » n&apos;est pas une donnée, ignorée</translation>
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
        <source>%1 more tank types in %2 are kept but not shown</source>
        <translation>%1 types de réservoir de plus dans %2 sont conservés mais pas affichés</translation>
    </message>
    <message>
        <source>Select a data item</source>
        <translation>Sélectionnez une ligne</translation>
    </message>
    <message>
        <source>1 more tank type in %2 is kept but not shown</source>
        <translation>1 type de réservoir de plus dans %2 est conservé mais pas affiché</translation>
    </message>
</context>
<context>
    <name>quorvel::Texts</name>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
</context>
</TS>
