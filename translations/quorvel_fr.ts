<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="64"/>
        <source>Print the conversion line of a sentence.</source>
        <translation>Affiche la ligne de conversion d&apos;une phrase.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="66"/>
        <source>sentence</source>
        <extracomment>The name of the value of the option --convert in the help.</extracomment>
        <translation>phrase</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="67"/>
        <source>With --convert, print only the converted number.</source>
        <translation>Avec --convert, affiche seulement le nombre converti.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="68"/>
        <source>Print the groups, or the units of the group named after it with their symbols.</source>
        <translation>Affiche les groupes, ou les unités du groupe nommé à sa suite avec leurs symboles.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="70"/>
        <source>Print the units that match the text, with their groups.</source>
        <translation>Affiche les unités qui correspondent au texte, avec leurs groupes.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="72"/>
        <source>text</source>
        <extracomment>The name of the value of the option --find in the help.</extracomment>
        <translation>texte</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="77"/>
        <source>Read the units database in this folder (default: Files in the working folder; the launcher gives your own).</source>
        <extracomment>Help of the option --database. Files is the name of a folder and stays as it is; the launcher is the command quorvel, which starts the program in the user&apos;s own folder.</extracomment>
        <translation>Lit la base de données des unités dans ce dossier (par défaut&#xa0;: Files dans le dossier de travail&#xa0;; le lanceur donne la vôtre).</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="80"/>
        <source>folder</source>
        <extracomment>The name of the value of the option --database in the help.</extracomment>
        <translation>dossier</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="81"/>
        <source>Print this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="82"/>
        <source>Print the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="92"/>
        <source>Converts physical units. Without options, opens the window.
The options below print to the terminal and need no display.

A sentence is an optional number, a unit, optionally &quot;to&quot;, &quot;in&quot;, &quot;=&quot; or
&quot;-&gt;&quot;, and the unit to convert to: &quot;12 in to cm&quot;, &quot;100 °F -&gt; °C&quot;, &quot;-40 F C&quot;.
Numbers may be fractions and powers of ten: &quot;1/2 in to mm&quot;, &quot;1½ h to min&quot;,
&quot;10^6 J to kWh&quot;; the parts of a sum add up: &quot;5 ft 10 in to cm&quot;, &quot;1h30m to min&quot;.
Units that no group holds are read as products, quotients and powers of
units, with SI prefixes: &quot;3 kWh/day to W&quot;, &quot;20 kWh/100km to Wh/mi&quot;,
&quot;1 kg·m/s² to N&quot;, &quot;1 kft to m&quot;; inverse quantities convert by the
reciprocal: &quot;5 min/km to mph&quot;. Without a number, 1 is converted. Numbers
are written as the locale writes them (LC_ALL=C: a decimal point).

Exit status: 0 done; 1 a sentence, group or unit not understood, or a value
refused; 2 wrong options or no units database.</source>
        <extracomment>The beginning of the command line&apos;s help. The example sentences (&quot;12 in to cm&quot;, ...) and the words &quot;to&quot; and &quot;in&quot; stay as they are: sentences are typed in English. LC_ALL=C is a setting of the terminal and stays too. Keep the lines under 80 characters.</extracomment>
        <translation>Convertit des unités physiques. Sans option, ouvre la fenêtre.
Les options ci-dessous écrivent dans le terminal, sans affichage graphique.

Une phrase est un nombre facultatif, une unité, éventuellement &quot;to&quot;, &quot;in&quot;, &quot;=&quot;
ou &quot;-&gt;&quot;, et l&apos;unité d&apos;arrivée&#xa0;: &quot;12 in to cm&quot;, &quot;100 °F -&gt; °C&quot;, &quot;-40 F C&quot;.
Les nombres peuvent être des fractions et des puissances de dix&#xa0;:
&quot;1/2 in to mm&quot;, &quot;1½ h to min&quot;, &quot;10^6 J to kWh&quot;&#xa0;; les parties d&apos;une somme
s&apos;additionnent&#xa0;: &quot;5 ft 10 in to cm&quot;, &quot;1h30m to min&quot;. Les unités qu&apos;aucun
groupe ne contient se lisent comme produits, quotients et puissances d&apos;unités,
avec les préfixes SI&#xa0;: &quot;3 kWh/day to W&quot;, &quot;20 kWh/100km to Wh/mi&quot;,
&quot;1 kg·m/s² to N&quot;, &quot;1 kft to m&quot;&#xa0;; des grandeurs inverses l&apos;une de l&apos;autre se
convertissent par l&apos;inverse&#xa0;: &quot;5 min/km to mph&quot;. Sans nombre, c&apos;est 1 qui est
converti. Les nombres s&apos;écrivent selon les paramètres régionaux (LC_ALL=C&#xa0;:
point décimal).

Code de sortie&#xa0;: 0 effectué&#xa0;; 1 phrase, groupe ou unité non compris, ou valeur
refusée&#xa0;; 2 options erronées ou pas de base de données des unités.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="110"/>
        <source>words</source>
        <extracomment>The name of the command&apos;s free arguments in its help: &quot;words&quot; in &quot;[words...]&quot; below.</extracomment>
        <translation>mots</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="110"/>
        <source>The sentence, group or text, when not quoted.</source>
        <translation>La phrase, le groupe ou le texte, s&apos;ils ne sont pas entre guillemets.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="112"/>
        <source>[words...]</source>
        <extracomment>How the help writes the free arguments: any number of words.</extracomment>
        <translation>[mots...]</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="146"/>
        <source>Try &apos;quorvel --help&apos;.</source>
        <extracomment>quorvel --help is a command and stays as it is.</extracomment>
        <translation>Essayez «&#xa0;quorvel --help&#xa0;».</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="163"/>
        <source>Give --convert, --list or --find (with --database and words alone there is nothing to do).</source>
        <translation>Indiquez --convert, --list ou --find (avec --database et des mots seuls, il n&apos;y a rien à faire).</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="165"/>
        <source>Give one of --convert, --list and --find.</source>
        <translation>Indiquez une seule des options --convert, --list et --find.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="167"/>
        <source>--value goes with --convert.</source>
        <translation>--value s&apos;utilise avec --convert.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="193"/>
        <source>&apos;%1&apos; gives no number: a factor is missing, zero or not a number, or the result is out of range</source>
        <extracomment>%1 is the sentence the user typed.</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne donne aucun nombre&#xa0;: un facteur manque, est nul ou n&apos;est pas un nombre, ou le résultat est hors limites</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="236"/>
        <source>&apos;%1&apos; is not a group; --list prints the groups</source>
        <extracomment>%1 is what the user gave as the name of a group.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un groupe&#xa0;; --list affiche les groupes</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="257"/>
        <source>No unit matches &apos;%1&apos;</source>
        <extracomment>%1 is the text the user looked for.</extracomment>
        <translation>Aucune unité ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <location filename="../core/conversion.cpp" line="175"/>
        <source>The value cannot be 0 in a reciprocal unit</source>
        <extracomment>A reciprocal unit, such as litre per 100 kilometres against kilometre per litre, converts a value v into k divided by v; the value 0 has no such value.</extracomment>
        <translation>La valeur ne peut pas être 0 dans une unité réciproque</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../core/fileio.h" line="36"/>
        <source>Another copy of Quorvel is changing the units database</source>
        <extracomment>Another running Quorvel (a second window, or the command line) is saving its changes.</extracomment>
        <translation>Une autre instance de Quorvel est en train de modifier la base de données des unités</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="141"/>
        <source>The unfinished change recorded in the folder &apos;%1&apos; cannot be read; its files are left as they are</source>
        <extracomment>%1 is the folder of the units database.</extracomment>
        <translation>La modification inachevée consignée dans le dossier «&#xa0;%1&#xa0;» ne peut pas être lue&#xa0;; ses fichiers sont laissés tels quels</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="228"/>
        <source>The last change of the units database was stopped halfway and cannot be completed now (%1). No change can be saved until it is.</source>
        <extracomment>%1 is the file error that stops it, such as &quot;Cannot write &apos;...&apos;: Permission denied&quot;.</extracomment>
        <translation>La dernière modification de la base de données des unités s&apos;est arrêtée à mi-chemin et ne peut pas être achevée maintenant (%1). Aucune modification ne peut être enregistrée tant qu&apos;elle ne l&apos;est pas.</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="247"/>
        <source>The record of an interrupted change of the units database could not be read and was set aside as &apos;%1&apos;. Groups that change touched may be half written: check their units, then delete that file.</source>
        <extracomment>%1 is the file the record was moved to.</extracomment>
        <translation>Le journal d&apos;une modification interrompue de la base de données des unités était illisible et a été mis de côté sous le nom «&#xa0;%1&#xa0;». Les groupes touchés par cette modification sont peut-être à moitié écrits&#xa0;: vérifiez leurs unités, puis supprimez ce fichier.</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="256"/>
        <source>&apos;%1&apos; and &apos;%2&apos;</source>
        <extracomment>The end of a list of files, each between quotes, as in &apos;a&apos;, &apos;b&apos; and &apos;c&apos;: %1 and %2 are its last two files.</extracomment>
        <translation>«&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="259"/>
        <source>&apos;%1&apos;, %2</source>
        <extracomment>The beginning of a list of files, each between quotes: %1 is the first file, %2 the list of the files after it.</extracomment>
        <translation>«&#xa0;%1&#xa0;», %2</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="264"/>
        <source>The record of an interrupted change of the units database could not be read and was set aside as %1. Groups that change touched may be half written: check their units, then delete those files.</source>
        <extracomment>%1 is a list of two or more files, such as &apos;a&apos;, &apos;b&apos; and &apos;c&apos;.</extracomment>
        <translation>Le journal d&apos;une modification interrompue de la base de données des unités était illisible et a été mis de côté sous les noms %1. Les groupes touchés par cette modification sont peut-être à moitié écrits&#xa0;: vérifiez leurs unités, puis supprimez ces fichiers.</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="214"/>
        <source>A group name cannot begin or end with a blank or a dot</source>
        <translation>Un nom de groupe ne peut ni commencer ni finir par un espace ou un point</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="218"/>
        <source>A group name cannot hold a line break</source>
        <translation>Un nom de groupe ne peut pas contenir de saut de ligne</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="220"/>
        <source>A group name cannot hold the end-of-file character (0x1A)</source>
        <translation>Un nom de groupe ne peut pas contenir le caractère de fin de fichier (0x1A)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="223"/>
        <source>A group name cannot hold a NUL character</source>
        <translation>Un nom de groupe ne peut pas contenir de caractère NUL</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="225"/>
        <source>A group name cannot hold a control character</source>
        <translation>Un nom de groupe ne peut pas contenir de caractère de contrôle</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="228"/>
        <source>A group name cannot hold a mark that changes the direction of text</source>
        <extracomment>Such as the marks that turn Arabic or Hebrew text from right to left.</extracomment>
        <translation>Un nom de groupe ne peut pas contenir de caractère qui change le sens d&apos;écriture du texte</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="231"/>
        <source>A group name cannot hold an invisible character</source>
        <translation>Un nom de groupe ne peut pas contenir de caractère invisible</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="234"/>
        <source>A group name cannot hold a blank other than the ordinary space</source>
        <extracomment>Such as a no-break space or a tab.</extracomment>
        <translation>Un nom de groupe ne peut pas contenir d&apos;autre blanc que l&apos;espace ordinaire</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="251"/>
        <source>A group name cannot be empty</source>
        <translation>Un nom de groupe ne peut pas être vide</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="254"/>
        <source>A group name cannot hold bytes that are not UTF-8 text</source>
        <translation>Un nom de groupe ne peut pas contenir d&apos;octets qui ne sont pas du texte UTF-8</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="261"/>
        <source>A group name cannot hold the character %1</source>
        <extracomment>%1 is a character that file names cannot hold, such as / or :.</extracomment>
        <translation>Un nom de groupe ne peut pas contenir le caractère %1</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="264"/>
        <source>A group name cannot be a name Windows keeps for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9)</source>
        <translation>Un nom de groupe ne peut pas être un nom que Windows réserve à un périphérique (CON, PRN, AUX, NUL, COM1 à COM9, LPT1 à LPT9)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="272"/>
        <source>A group name can be at most %1 bytes long (its files&apos; names would be too long)</source>
        <extracomment>%1 is a number of bytes (a letter of the Latin alphabet takes one, most others two or more).</extracomment>
        <translation>Un nom de groupe ne peut pas dépasser %1 octets (les noms de ses fichiers seraient trop longs)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="302"/>
        <source>&apos;%1&apos; cannot name a file</source>
        <extracomment>%1 is a group&apos;s name that holds a / or a NUL character.</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de fichier</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="312"/>
        <source>&apos;%1&apos; has changed since it was read (another copy of Quorvel, or another program, saved it)</source>
        <extracomment>%1 is a file of the units database.</extracomment>
        <translation>«&#xa0;%1&#xa0;» a changé depuis sa lecture (une autre instance de Quorvel, ou un autre programme, l&apos;a enregistré)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="400"/>
        <source>A group named &apos;%1&apos; has files already</source>
        <translation>Un groupe nommé «&#xa0;%1&#xa0;» a déjà des fichiers</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="414"/>
        <source>A group named &apos;%1&apos; is in the group list already</source>
        <translation>Un groupe nommé «&#xa0;%1&#xa0;» figure déjà dans la liste des groupes</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../core/fileio.cpp" line="138"/>
        <source>&apos;%1&apos; is not a regular file</source>
        <extracomment>%1 is a path that names a folder, a device or another special file instead of a file.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="296"/>
        <source>Cannot rename &apos;%1&apos; to &apos;%2&apos;: %3</source>
        <extracomment>%1 is the file, %2 its new name, %3 the operating system&apos;s reason.</extracomment>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="52"/>
        <source>Cannot open &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file or folder of the units database, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="55"/>
        <source>Cannot open the folder &apos;%1&apos;: %2</source>
        <extracomment>%1 is a folder, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;ouvrir le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="57"/>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="59"/>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="62"/>
        <source>Cannot replace &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file that was to be replaced by its new version, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible de remplacer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="64"/>
        <source>Cannot remove &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="66"/>
        <source>Cannot rename &apos;%1&apos;: %2</source>
        <extracomment>%1 is the file to be renamed, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="69"/>
        <source>Cannot rename to &apos;%1&apos;: %2</source>
        <extracomment>%1 is the new name a file was to take, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible de renommer en «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="72"/>
        <source>Cannot flush the folder &apos;%1&apos;: %2</source>
        <extracomment>Writing a folder&apos;s changes to the disk. %1 is a folder, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;écrire le dossier «&#xa0;%1&#xa0;» sur le disque&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="75"/>
        <source>Cannot follow the link &apos;%1&apos;: %2</source>
        <extracomment>%1 is a symbolic link to a file of the units database, %2 the operating system&apos;s reason.</extracomment>
        <translation>Impossible de suivre le lien «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../core/textfile.cpp" line="176"/>
        <source>A line for &apos;%1&apos; holds a line end</source>
        <extracomment>%1 is a file of the units database.</extracomment>
        <translation>Une ligne destinée à «&#xa0;%1&#xa0;» contient une fin de ligne</translation>
    </message>
</context>
<context>
    <name>Math</name>
    <message>
        <location filename="../calc/errors.h" line="53"/>
        <source>Floating point overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <location filename="../calc/errors.h" line="58"/>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <location filename="../calc/errors.h" line="63"/>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valide</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="22"/>
        <source>Overflow</source>
        <extracomment>The calculator&apos;s message for a result too large (or too close to zero) to hold; it shows with &quot;!&quot; after it, as all the calculator&apos;s messages.</extracomment>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="23"/>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="24"/>
        <source>Invalid value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="27"/>
        <source>Negativ value</source>
        <extracomment>The calculator&apos;s message for the square root or logarithm of a number below zero (the English spelling without the final e is kept on purpose).</extracomment>
        <translation>Valeur négative</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="30"/>
        <source>Angle Magnitude too large</source>
        <extracomment>The tangent or cotangent of an angle too large to reduce to one turn.</extracomment>
        <translation>Angle trop grand</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <location filename="../calc/calculatormemory.cpp" line="40"/>
        <source>The memory cannot have %1 cells</source>
        <extracomment>%1 is a number of memory cells of the calculator.</extracomment>
        <translation>La mémoire ne peut pas avoir %1 cases</translation>
    </message>
    <message>
        <location filename="../calc/calculatormemory.cpp" line="51"/>
        <source>There is no memory cell %1</source>
        <extracomment>%1 is the number of a memory cell of the calculator.</extracomment>
        <translation>Il n&apos;y a pas de case mémoire %1</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <location filename="../calc/numbertext.cpp" line="53"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>%1 is the text as it was typed, pasted or read from a factor file.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre à virgule flottante valide</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../core/sentence.cpp" line="36"/>
        <source>&apos;%1&apos; is not a unit of %2</source>
        <extracomment>%1 is what the user typed as a unit, %2 the group or groups of units it was looked for in, such as Length or Length or Area.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une unité du groupe %2</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="40"/>
        <source>&apos;%1&apos; is not a unit. Did you mean %2?</source>
        <extracomment>%1 is what the user typed as a unit, %2 the name of the unit whose name or symbol is closest to it (as Fahrenheit&apos;s degree for farenheit).</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une unité. Vouliez-vous dire %2&#xa0;?</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="44"/>
        <source>&apos;%1&apos; is not a unit of %2. Did you mean %3?</source>
        <extracomment>%1 is what the user typed as a unit, %2 the group or groups of units it was looked for in (Length or Area), %3 the name of the unit of those groups closest to it.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une unité du groupe %2. Vouliez-vous dire %3&#xa0;?</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="363"/>
        <source>%1 or %2</source>
        <extracomment>Two or more names of groups of units, one of which is meant: &quot;Length or Area&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="497"/>
        <source>&apos;%1&apos; may mean %2 or %3: mind the capitals</source>
        <extracomment>%1 is what the user typed, %2 and %3 the names of two units it may mean, which differ in capital letters only (as mA and MA).</extracomment>
        <translation>«&#xa0;%1&#xa0;» peut désigner %2 ou %3&#xa0;: attention aux majuscules</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="569"/>
        <source>&apos;%1&apos; fits %2: write the units in full</source>
        <extracomment>%1 is the sentence the user typed, %2 the groups of units it fits.</extracomment>
        <translation>«&#xa0;%1&#xa0;» correspond à %2&#xa0;: écrivez les unités en entier</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="573"/>
        <location filename="../core/sentence.cpp" line="610"/>
        <source>&apos;%1&apos; fits several units: write the units in full</source>
        <extracomment>%1 is the sentence the user typed.</extracomment>
        <translation>«&#xa0;%1&#xa0;» correspond à plusieurs unités&#xa0;: écrivez les unités en entier</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="641"/>
        <source>&apos;%1&apos; is %2 and &apos;%3&apos; %4: they do not convert</source>
        <extracomment>%1 and %3 are units the user typed, %2 and %4 what they measure (&quot;a mass&quot;, &quot;a force&quot;), as in: &apos;kg&apos; is a mass and &apos;N&apos; a force: they do not convert.</extracomment>
        <translation>«&#xa0;%1&#xa0;» est %2 et «&#xa0;%3&#xa0;» %4&#xa0;: ils ne se convertissent pas l&apos;un en l&apos;autre</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="679"/>
        <source>Temperatures do not add up: convert one at a time</source>
        <extracomment>The user typed a sum of temperatures, as in 20 °C 5 K to °F.</extracomment>
        <translation>Les températures ne s&apos;additionnent pas&#xa0;: convertissez-les une par une</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="684"/>
        <source>Reciprocal units do not add up: convert one at a time</source>
        <extracomment>The user typed a sum that would convert by a reciprocal, as in 5 L/100km 3 L/100km to mpg: litres per 100 km are the reciprocal of miles per gallon.</extracomment>
        <translation>Les unités réciproques ne s&apos;additionnent pas&#xa0;: convertissez-les une par une</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="689"/>
        <source>&apos;%1&apos; is a temperature, which converts alone and not in a product: type, for example, %2</source>
        <extracomment>%1 is a temperature unit the user typed inside a product or quotient of units, as °C in J/(kg·°C); %2 an example of a temperature conversion (100 °F to °C), kept as it is.</extracomment>
        <translation>«&#xa0;%1&#xa0;» est une température, qui se convertit seule et non dans un produit&#xa0;: tapez par exemple %2</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="733"/>
        <source>Add the unit to convert to, as in %1</source>
        <extracomment>%1 is an example of a conversion as the user types it: 12 in to cm. It stays as it is, since conversions are typed with English words.</extracomment>
        <translation>Ajoutez l&apos;unité d&apos;arrivée, comme dans %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="737"/>
        <source>Type a unit, or a conversion such as %1</source>
        <extracomment>%1 is an example of a conversion as the user types it (12 in to cm), kept as it is.</extracomment>
        <translation>Saisissez une unité, ou une conversion comme %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="740"/>
        <source>The sentence is too long</source>
        <translation>La phrase est trop longue</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="744"/>
        <source>&apos;%1&apos; is not a number</source>
        <extracomment>%1 is what the user typed where a number was expected.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="751"/>
        <source>Add the units, as in %1</source>
        <extracomment>%1 is an example of a conversion as the user types it (12 in to cm), kept as it is.</extracomment>
        <translation>Ajoutez les unités, comme dans %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="759"/>
        <source>Add the unit to convert from, as in %1</source>
        <extracomment>%1 is an example of a conversion as the user types it (12 in to cm), kept as is.</extracomment>
        <translation>Ajoutez l&apos;unité de départ, comme dans %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="721"/>
        <source>&apos;%1&apos; is not a unit</source>
        <extracomment>%1 is what the user typed as a unit.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une unité</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="782"/>
        <source>&apos;%1&apos; needs a unit</source>
        <extracomment>%1 is a number the user typed without a unit after it.</extracomment>
        <translation>«&#xa0;%1&#xa0;» doit être suivi d&apos;une unité</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="788"/>
        <source>Give each unit its number, as in %1</source>
        <extracomment>%1 is an example of a sum as the user types it (5 ft 10 in to cm), kept as it is.</extracomment>
        <translation>Donnez à chaque unité son nombre, comme dans %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="799"/>
        <source>&apos;%1&apos; is not understood</source>
        <extracomment>%1 is what the user typed as the unit to convert to.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas compris</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="806"/>
        <source>&apos;%1&apos; is not understood: type, for example, %2</source>
        <extracomment>%1 is the sentence the user typed, %2 an example of a conversion (12 in to cm), kept as it is.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas compris&#xa0;: saisissez par exemple %2</translation>
    </message>
    <message>
        <location filename="../core/converter.cpp" line="80"/>
        <source>&apos;%1&apos; is no longer a unit of %2</source>
        <extracomment>%1 is a unit&apos;s name, %2 its group: the group&apos;s files changed after the search read them.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est plus une unité du groupe %2</translation>
    </message>
    <message>
        <location filename="../core/unitexpression.cpp" line="742"/>
        <source>an %1</source>
        <extracomment>What a unit measures, with the article &quot;an&quot;: %1 is the name of its group of units in small letters (energy, area), which stays in English as the groups&apos; names do.</extracomment>
        <translation>une grandeur du groupe %1</translation>
    </message>
    <message>
        <location filename="../core/unitexpression.cpp" line="745"/>
        <source>a %1</source>
        <extracomment>What a unit measures, with the article &quot;a&quot;: %1 is the name of its group of units in small letters (mass, force), which stays in English as the groups&apos; names do.</extracomment>
        <translation>une grandeur du groupe %1</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <location filename="../core/fileio.cpp" line="143"/>
        <source>No such file or directory</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="144"/>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="145"/>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="146"/>
        <source>File exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="147"/>
        <source>Not a directory</source>
        <translation>N&apos;est pas un dossier</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="148"/>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="149"/>
        <source>No space left on device</source>
        <translation>Plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="150"/>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="151"/>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="152"/>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="153"/>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="154"/>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="156"/>
        <source>Too many levels of symbolic links</source>
        <extracomment>A symbolic link that leads to itself, or through too many others.</extracomment>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="157"/>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="159"/>
        <source>Invalid cross-device link</source>
        <extracomment>A file cannot be moved to another disk by a rename.</extracomment>
        <translation>Lien entre périphériques non valide</translation>
    </message>
</context>
<context>
    <name>Temperature</name>
    <message>
        <location filename="../core/conversion.cpp" line="35"/>
        <source>The temperature in Kelvin&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, 0 here. The two blanks before it and the blank before the &quot;!&quot; are the English message&apos;s own; use your language&apos;s usual spacing.</extracomment>
        <translation>La température en kelvins ne peut pas être inférieure à %1&#xa0;!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="41"/>
        <source>The temperature in Fahrenheit&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, -459.67. See the Kelvin message for the blanks.</extracomment>
        <translation>La température en degrés Fahrenheit ne peut pas être inférieure à %1&#xa0;!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="47"/>
        <source>The temperature in Reaumur&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, -218.52. See the Kelvin message for the blanks.</extracomment>
        <translation>La température en degrés Réaumur ne peut pas être inférieure à %1&#xa0;!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="54"/>
        <source>The temperature in Rankin&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>The Rankine scale (spelt Rankin in the unit&apos;s name). %1 is its lowest temperature, 0. See the Kelvin message for the blanks.</extracomment>
        <translation>La température en degrés Rankine ne peut pas être inférieure à %1&#xa0;!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="60"/>
        <source>The temperature in Celsius&apos; degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, -273.15. See the Kelvin message for the blanks.</extracomment>
        <translation>La température en degrés Celsius ne peut pas être inférieure à %1&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quorvel::AboutDialog</name>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="89"/>
        <source>version %1</source>
        <extracomment>A line of the scrolling credits: %1 is the version number.</extracomment>
        <translation>version %1</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="92"/>
        <source>Units converter
and scientific calculator</source>
        <extracomment>Lines of the scrolling credits, about 30 characters each, broken with 
.</extracomment>
        <translation>Convertisseur d&apos;unités
et calculatrice scientifique</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="95"/>
        <source>Units data from the SI Brochure,
NIST SP 811, CODATA 2022
and the 1959 yard and pound agreement</source>
        <extracomment>Lines of the scrolling credits, about 30 characters each, broken with 
. The names of the sources stay as they are.</extracomment>
        <translation>Données des unités d&apos;après la
Brochure sur le SI, NIST SP 811,
CODATA 2022 et l&apos;accord de 1959
sur le yard et la livre</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="99"/>
        <source>Built with Qt</source>
        <extracomment>A line of the scrolling credits; Qt is the name of the toolkit.</extracomment>
        <translation>Réalisé avec Qt</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="101"/>
        <source>Thanks to everyone who sent us
a unit we did not have yet</source>
        <extracomment>Lines of the scrolling credits, about 30 characters each, broken with 
.</extracomment>
        <translation>Merci à tous ceux qui nous ont
envoyé une unité qui nous
manquait encore</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="111"/>
        <source>About</source>
        <extracomment>Title of the About box.</extracomment>
        <translation>À propos de Quorvel</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="124"/>
        <source>Credits</source>
        <extracomment>The panel of scrolling credits, as screen readers name it.</extracomment>
        <translation>Crédits</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="132"/>
        <source>&amp;OK</source>
        <extracomment>Closes the About box.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="136"/>
        <source>The manual is in English.</source>
        <extracomment>Tells that the manual (Help) is written in English only. Shown in every language.</extracomment>
        <translation>Le manuel est en anglais.</translation>
    </message>
</context>
<context>
    <name>quorvel::Application</name>
    <message>
        <location filename="../ui/app/application.cpp" line="28"/>
        <source>Unknown error</source>
        <extracomment>An error of no known kind reached the calculator&apos;s error balloon.</extracomment>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>quorvel::CalculatorWindow</name>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="29"/>
        <source>Key: %1</source>
        <extracomment>What screen readers say of the key that presses a calculator button: %1 is the key.</extracomment>
        <translation>Touche&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="31"/>
        <source>Key: %1 or %2</source>
        <extracomment>What screen readers say of the two keys that press a calculator button, as &quot;= or Enter&quot;.</extracomment>
        <translation>Touche&#xa0;: %1 ou %2</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindow.cpp" line="59"/>
        <source>Scientific Calculator</source>
        <extracomment>Title of the calculator window.</extracomment>
        <translation>Calculatrice scientifique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindow.cpp" line="305"/>
        <source>%1!</source>
        <extracomment>An error in the calculator&apos;s balloon: %1 is the message (&quot;Division by zero&quot;), closed by an exclamation mark as your language writes one.</extracomment>
        <translation>%1&#xa0;!</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="62"/>
        <source>Rad</source>
        <extracomment>Angle unit radian, as the caption of a radio button in a narrow row (55 pixels).</extracomment>
        <translation>Rad</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="62"/>
        <source>Angles in radians</source>
        <translation>Angles en radians</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="64"/>
        <source>Deg</source>
        <extracomment>Angle unit degree (a quarter turn is 90), caption of a radio button in a narrow row.</extracomment>
        <translation>Deg</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="64"/>
        <source>Angles in degrees</source>
        <translation>Angles en degrés</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="67"/>
        <source>Grad</source>
        <extracomment>Angle unit gradian or gon (a quarter turn is 100), caption of a radio button in a narrow row.</extracomment>
        <translation>Grad</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="67"/>
        <source>Angles in gradians</source>
        <translation>Angles en grades</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="70"/>
        <source>Cycle</source>
        <extracomment>Angle unit of whole turns (a quarter turn is 0.25), caption of a radio button in a narrow row.</extracomment>
        <translation>Tours</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="70"/>
        <source>Angles in turns</source>
        <translation>Angles en tours</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="132"/>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="159"/>
        <source>Display</source>
        <extracomment>The calculator&apos;s display, as screen readers name it.</extracomment>
        <translation>Afficheur</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="134"/>
        <source>Digital display</source>
        <extracomment>Hint of the calculator&apos;s display.</extracomment>
        <translation>Afficheur numérique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="146"/>
        <source>Operation sign %1</source>
        <extracomment>What screen readers say of the small panel at the left of the display: %1 is the sign of the last operation (+, ×).</extracomment>
        <translation>Signe d&apos;opération %1</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="152"/>
        <source>Sign of the current operation</source>
        <extracomment>Hint of the small panel at the left of the display that shows the last operation&apos;s sign.</extracomment>
        <translation>Signe de l&apos;opération en cours</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="195"/>
        <source>Memory cell %1</source>
        <extracomment>A memory cell&apos;s button, as screen readers name it: %1 is its number, 1 to 10.</extracomment>
        <translation>Case mémoire %1</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="203"/>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="214"/>
        <source>Memory</source>
        <extracomment>The row of memory cells, as screen readers name it.</extracomment>
        <translation>Mémoire</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="207"/>
        <source>Memory cell value</source>
        <extracomment>The display of the memory cell&apos;s value, as screen readers name it.</extracomment>
        <translation>Valeur de la case mémoire</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="223"/>
        <source>&amp;Submit</source>
        <extracomment>Hands the result to the main window and closes. Do not mark R: Alt+R is the 1/x key.</extracomment>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="225"/>
        <source>&amp;Close</source>
        <extracomment>Do not mark R: Alt+R is the 1/x key.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="227"/>
        <source>&amp;Help</source>
        <extracomment>Do not mark R: Alt+R is the 1/x key.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="10"/>
        <source>Zero</source>
        <extracomment>Names of the calculator keys as screen readers say them: the 0 key.</extracomment>
        <translation>Zéro</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="11"/>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="12"/>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="13"/>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="14"/>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="15"/>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="16"/>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="17"/>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="18"/>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="19"/>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="21"/>
        <source>Decimal separator</source>
        <extracomment>The key that types the decimal comma or point, as screen readers name it.</extracomment>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="23"/>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="25"/>
        <source>Minus</source>
        <translation>Moins</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="28"/>
        <source>Multiply</source>
        <extracomment>The × key, as screen readers name it.</extracomment>
        <translation>Multiplié par</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="31"/>
        <source>Divide</source>
        <extracomment>The / key, as screen readers name it.</extracomment>
        <translation>Divisé par</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="34"/>
        <source>Equals</source>
        <extracomment>The = key, as screen readers name it.</extracomment>
        <translation>Égal</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="36"/>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="39"/>
        <source>Percent</source>
        <extracomment>The % key, as screen readers name it.</extracomment>
        <translation>Pour cent</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="42"/>
        <source>Reciprocal</source>
        <extracomment>The 1/x key, as screen readers name it.</extracomment>
        <translation>Inverse</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="45"/>
        <source>Change sign</source>
        <extracomment>The +/- key, as screen readers name it.</extracomment>
        <translation>Changer de signe</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="48"/>
        <source>Clear</source>
        <extracomment>The C key, which clears the calculation, as screen readers name it.</extracomment>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="51"/>
        <source>Clear entry</source>
        <extracomment>The CE key, which clears the number being typed, as screen readers name it.</extracomment>
        <translation>Effacer la saisie</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="56"/>
        <source>BACK</source>
        <extracomment>Caption of the calculator key that deletes the last digit typed (at most 5 letters, in capitals like the other key captions).</extracomment>
        <translation>CORR</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="58"/>
        <source>Backspace</source>
        <extracomment>The BACK key, which deletes the last digit typed, as screen readers name it.</extracomment>
        <translation>Effacer le dernier chiffre</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="60"/>
        <source>Memory add</source>
        <extracomment>The M+ key, which adds the display to the memory cell, as screen readers name it.</extracomment>
        <translation>Ajouter à la mémoire</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="63"/>
        <source>Memory subtract</source>
        <extracomment>The M- key, which subtracts the display from the memory cell, as screen readers name it.</extracomment>
        <translation>Soustraire de la mémoire</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="66"/>
        <source>Memory recall</source>
        <extracomment>The MR key, which shows the memory cell, as screen readers name it.</extracomment>
        <translation>Rappeler la mémoire</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="69"/>
        <source>Memory clear</source>
        <extracomment>The MC key, which clears the memory cell, as screen readers name it.</extracomment>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="77"/>
        <source>Sin</source>
        <extracomment>Caption of the sine function&apos;s key (keys are about 4 letters wide).</extracomment>
        <translation>sin</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="79"/>
        <source>Sine</source>
        <extracomment>Hints of the function keys name the function in full: the sine.</extracomment>
        <translation>Sinus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="81"/>
        <source>Cos</source>
        <extracomment>Caption of the cosine function&apos;s key.</extracomment>
        <translation>cos</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="82"/>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="84"/>
        <source>Tg</source>
        <extracomment>Caption of the tangent function&apos;s key (Tg is the Russian form of tan).</extracomment>
        <translation>tan</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="85"/>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="87"/>
        <source>Ctg</source>
        <extracomment>Caption of the cotangent function&apos;s key (Ctg is the Russian form of cot).</extracomment>
        <translation>cotan</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="88"/>
        <source>Cotangent</source>
        <translation>Cotangente</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="90"/>
        <source>Sec</source>
        <extracomment>Caption of the secant function&apos;s key.</extracomment>
        <translation>sec</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="91"/>
        <source>Secant</source>
        <translation>Sécante</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="93"/>
        <source>Cosec</source>
        <extracomment>Caption of the cosecant function&apos;s key (elsewhere written csc).</extracomment>
        <translation>cosec</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="94"/>
        <source>Cosecant</source>
        <translation>Cosécante</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="97"/>
        <source>Sh</source>
        <extracomment>Caption of the hyperbolic sine&apos;s key (elsewhere written sinh).</extracomment>
        <translation>sh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="98"/>
        <source>Hyperbolic sine</source>
        <translation>Sinus hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="100"/>
        <source>Ch</source>
        <extracomment>Caption of the hyperbolic cosine&apos;s key (elsewhere written cosh).</extracomment>
        <translation>ch</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="101"/>
        <source>Hyperbolic cosine</source>
        <translation>Cosinus hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="103"/>
        <source>Th</source>
        <extracomment>Caption of the hyperbolic tangent&apos;s key (elsewhere written tanh).</extracomment>
        <translation>th</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="104"/>
        <source>Hyperbolic tangent</source>
        <translation>Tangente hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="106"/>
        <source>Cth</source>
        <extracomment>Caption of the hyperbolic cotangent&apos;s key (elsewhere written coth).</extracomment>
        <translation>coth</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="107"/>
        <source>Hyperbolic cotangent</source>
        <translation>Cotangente hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="110"/>
        <source>Sech</source>
        <extracomment>Caption of the hyperbolic secant&apos;s key.</extracomment>
        <translation>sech</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="111"/>
        <source>Hyperbolic secant</source>
        <translation>Sécante hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="113"/>
        <source>Cosech</source>
        <extracomment>Caption of the hyperbolic cosecant&apos;s key (elsewhere written csch).</extracomment>
        <translation>cosech</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="114"/>
        <source>Hyperbolic cosecant</source>
        <translation>Cosécante hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="118"/>
        <source>ArcSin</source>
        <extracomment>Caption of the inverse sine&apos;s key (elsewhere written arcsin or asin).</extracomment>
        <translation>arcsin</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="119"/>
        <source>Inverse sine</source>
        <translation>Arc sinus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="121"/>
        <source>ArcCos</source>
        <extracomment>Caption of the inverse cosine&apos;s key.</extracomment>
        <translation>arccos</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="122"/>
        <source>Inverse cosine</source>
        <translation>Arc cosinus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="124"/>
        <source>ArcTg</source>
        <extracomment>Caption of the inverse tangent&apos;s key (elsewhere written arctan).</extracomment>
        <translation>arctan</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="125"/>
        <source>Inverse tangent</source>
        <translation>Arc tangente</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="127"/>
        <source>ArcCtg</source>
        <extracomment>Caption of the inverse cotangent&apos;s key (elsewhere written arccot).</extracomment>
        <translation>arccot</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="128"/>
        <source>Inverse cotangent</source>
        <translation>Arc cotangente</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="130"/>
        <source>Square</source>
        <extracomment>Hint of the x² key: the number squared.</extracomment>
        <translation>Carré</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="133"/>
        <source>Cube</source>
        <extracomment>Hint of the x³ key: the number to the third power.</extracomment>
        <translation>Cube</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="137"/>
        <source>ArSh</source>
        <extracomment>Caption of the inverse hyperbolic sine&apos;s key (elsewhere written arsinh).</extracomment>
        <translation>argsh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="138"/>
        <source>Inverse hyperbolic sine</source>
        <translation>Argument sinus hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="141"/>
        <source>ArCh</source>
        <extracomment>Caption of the inverse hyperbolic cosine&apos;s key (elsewhere written arcosh).</extracomment>
        <translation>argch</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="142"/>
        <source>Inverse hyperbolic cosine</source>
        <translation>Argument cosinus hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="145"/>
        <source>ArTh</source>
        <extracomment>Caption of the inverse hyperbolic tangent&apos;s key (elsewhere written artanh).</extracomment>
        <translation>argth</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="146"/>
        <source>Inverse hyperbolic tangent</source>
        <translation>Argument tangente hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="149"/>
        <source>ArCth</source>
        <extracomment>Caption of the inverse hyperbolic cotangent&apos;s key (elsewhere written arcoth).</extracomment>
        <translation>argcth</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="150"/>
        <source>Inverse hyperbolic cotangent</source>
        <translation>Argument cotangente hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="153"/>
        <source>Cube root</source>
        <extracomment>Hint of the key of the cube root.</extracomment>
        <translation>Racine cubique</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="156"/>
        <source>Custom base power</source>
        <extracomment>The key of x to the power y.</extracomment>
        <translation>x puissance y</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="160"/>
        <source>ln</source>
        <extracomment>Caption of the natural logarithm&apos;s key.</extracomment>
        <translation>ln</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="161"/>
        <source>Natural logarithm</source>
        <translation>Logarithme népérien</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="163"/>
        <source>lg</source>
        <extracomment>Caption of the common (base 10) logarithm&apos;s key.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="164"/>
        <source>Common logarithm</source>
        <translation>Logarithme décimal</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="167"/>
        <source>Custom base logarithm</source>
        <extracomment>The key of the logarithm of x to the base y.</extracomment>
        <translation>Logarithme de x en base y</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="170"/>
        <source>N!</source>
        <extracomment>Caption of the factorial&apos;s key.</extracomment>
        <translation>n!</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="171"/>
        <source>Factorial</source>
        <translation>Factorielle</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="173"/>
        <source>PI</source>
        <extracomment>Caption of the key that gives the number pi (3.14159...).</extracomment>
        <translation>π</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="174"/>
        <source>PI number</source>
        <translation>Nombre π</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="176"/>
        <source>Exp</source>
        <extracomment>Caption of the key of the exponential function, e to the power x.</extracomment>
        <translation>exp</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="177"/>
        <source>Exponential</source>
        <translation>Exponentielle</translation>
    </message>
</context>
<context>
    <name>quorvel::ConfirmDeleteDialog</name>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="23"/>
        <source>Confirm Deleting</source>
        <extracomment>Title of the dialog that asks before a unit is deleted.</extracomment>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="31"/>
        <source>Do you really want to delete this item?</source>
        <translation>Voulez-vous vraiment supprimer cet élément&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="54"/>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="55"/>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>quorvel::ErrorBalloon</name>
    <message>
        <location filename="../ui/shared/balloon.cpp" line="232"/>
        <source>An error hint needs a control</source>
        <translation>Une bulle d&apos;erreur doit être rattachée à un contrôle</translation>
    </message>
</context>
<context>
    <name>quorvel::GroupColumn</name>
    <message>
        <location filename="../ui/converter/groupcolumn.cpp" line="30"/>
        <source>Group %1</source>
        <extracomment>A group button without a group, as screen readers name it: %1 is its place, 1 to 23.</extracomment>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <location filename="../ui/converter/groupcolumn.cpp" line="39"/>
        <source>Groups</source>
        <extracomment>The column of group buttons, as screen readers name it.</extracomment>
        <translation>Groupes</translation>
    </message>
    <message>
        <location filename="../ui/converter/groupcolumn.cpp" line="82"/>
        <source>More groups</source>
        <extracomment>Submenu of the Units menu with the groups that have no button, past the 23rd.</extracomment>
        <translation>Autres groupes</translation>
    </message>
</context>
<context>
    <name>quorvel::GroupNameDialog</name>
    <message>
        <location filename="../ui/database/groupnamedialog.cpp" line="24"/>
        <source>Edit Group</source>
        <extracomment>Title of the dialog that renames a group.</extracomment>
        <translation>Modifier le groupe</translation>
    </message>
    <message>
        <location filename="../ui/database/groupnamedialog.cpp" line="30"/>
        <source>Name of the group</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <location filename="../ui/database/groupnamedialog.cpp" line="32"/>
        <source>Edit the name of the group</source>
        <translation>Modifier le nom du groupe</translation>
    </message>
</context>
<context>
    <name>quorvel::HelpWindow</name>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="111"/>
        <source>Quorvel Help</source>
        <extracomment>Title of the window of the manual. The manual itself is in English.</extracomment>
        <translation>Aide de Quorvel</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="118"/>
        <source>Table of contents</source>
        <translation>Table des matières</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="141"/>
        <source>Back</source>
        <extracomment>Goes back to the page shown before.</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="144"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="148"/>
        <source>Contents</source>
        <extracomment>Goes to the manual&apos;s first page, its table of contents.</extracomment>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="179"/>
        <source>%1 (%2)</source>
        <extracomment>Hint of a button: %1 is what it does, %2 its shortcut key, as in &quot;Back (Alt+Left)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="31"/>
        <source>&amp;Edit</source>
        <extracomment>Menu of the main window.</extracomment>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="34"/>
        <source>&amp;Copy</source>
        <extracomment>Copies the value to the clipboard.</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="37"/>
        <source>&amp;Paste</source>
        <extracomment>Takes a value from the number on the clipboard.</extracomment>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="41"/>
        <source>P&amp;references</source>
        <extracomment>Opens the window where the user edits the groups and units.</extracomment>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="44"/>
        <source>&amp;Tools</source>
        <extracomment>Menu of the main window.</extracomment>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="46"/>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculatrice</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="48"/>
        <source>&amp;Report</source>
        <extracomment>Opens the report of the conversions made.</extracomment>
        <translation>&amp;Rapport</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="51"/>
        <source>&amp;Units</source>
        <extracomment>Menu of the main window; its items are the groups of units (Length, Mass, ...).</extracomment>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="57"/>
        <source>&amp;Help</source>
        <extracomment>Menu of the main window.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="60"/>
        <source>&amp;Contents</source>
        <extracomment>Opens the manual at its table of contents.</extracomment>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="63"/>
        <source>&amp;Home Page</source>
        <extracomment>Opens the program&apos;s web site.</extracomment>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="66"/>
        <source>&amp;About</source>
        <extracomment>Opens the About box of the program.</extracomment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="102"/>
        <source>Copy</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="104"/>
        <source>Paste</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Coller</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="106"/>
        <source>Preferences</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Préférences</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="109"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="146"/>
        <source>Calculator</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="111"/>
        <source>Open calculator</source>
        <extracomment>The calculator tool button, as screen readers name it.</extracomment>
        <translation>Ouvrir la calculatrice</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="113"/>
        <source>Report</source>
        <extracomment>Hint of a tool button that opens the report of the conversions made.</extracomment>
        <translation>Rapport</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="116"/>
        <source>Help</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="129"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="136"/>
        <source>Value</source>
        <extracomment>The value being converted, as screen readers name it.</extracomment>
        <translation>Valeur</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="148"/>
        <source>Calculate with the value</source>
        <extracomment>The small calculator button beside the value, as screen readers name it.</extracomment>
        <translation>Calculer avec la valeur</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="167"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="243"/>
        <source>Upper unit</source>
        <extracomment>Label of the unit picker above the arrow buttons.</extracomment>
        <translation>Unité du haut</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="172"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="243"/>
        <source>Lower unit</source>
        <extracomment>Label of the unit picker below the arrow buttons.</extracomment>
        <translation>Unité du bas</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="180"/>
        <source>List of units</source>
        <extracomment>Hint of the button beside a unit picker that opens the list of the group&apos;s units.</extracomment>
        <translation>Liste des unités</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="187"/>
        <source>Upper unit list</source>
        <extracomment>The button that opens the units list for the upper picker, as screen readers name it.</extracomment>
        <translation>Liste pour l&apos;unité du haut</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="189"/>
        <source>Lower unit list</source>
        <extracomment>The button that opens the units list for the lower picker, as screen readers name it.</extracomment>
        <translation>Liste pour l&apos;unité du bas</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="206"/>
        <source>Convert to the upper unit</source>
        <extracomment>The up arrow button, as screen readers name it.</extracomment>
        <translation>Convertir vers l&apos;unité du haut</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="209"/>
        <source>Convert to the lower unit</source>
        <extracomment>The down arrow button, as screen readers name it.</extracomment>
        <translation>Convertir vers l&apos;unité du bas</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="259"/>
        <source>Status</source>
        <extracomment>The status bar, as screen readers name it.</extracomment>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="283"/>
        <source>Group</source>
        <extracomment>The status bar&apos;s first panel before a group is loaded; it shows the group&apos;s name then.</extracomment>
        <translation>Groupe</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindow.cpp" line="209"/>
        <source>The units of &apos;%1&apos; cannot be read. %2</source>
        <extracomment>%1 is the name of a group, %2 the reason, such as a file that cannot be read.</extracomment>
        <translation>Les unités de «&#xa0;%1&#xa0;» ne peuvent pas être lues. %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/converter/mainwindow.cpp" line="216"/>
        <source>%n of the %1 units of &apos;%2&apos; have no positive number as factor and do not convert.</source>
        <extracomment>%n is the number of units that do not convert, %1 the number of all the group&apos;s units, %2 the group&apos;s name.</extracomment>
        <translation>
            <numerusform>%n des %1 unités de «&#xa0;%2&#xa0;» n&apos;a pas pour facteur un nombre positif et ne peut pas être convertie.</numerusform>
            <numerusform>%n des %1 unités de «&#xa0;%2&#xa0;» n&apos;ont pas pour facteur un nombre positif et ne peuvent pas être converties.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindow.cpp" line="292"/>
        <source>Value %1</source>
        <extracomment>What screen readers say of a new value: %1 is the number.</extracomment>
        <translation>Valeur %1</translation>
    </message>
</context>
<context>
    <name>quorvel::NumberInputDialog</name>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="64"/>
        <source>Input Number</source>
        <extracomment>Title of the dialog where the user types the value as a mantissa and a power of ten.</extracomment>
        <translation>Saisie d&apos;un nombre</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="84"/>
        <source>Preview in natural style</source>
        <extracomment>Frame around the number as it will be handed back, written out in full.</extracomment>
        <translation>Aperçu en notation usuelle</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="97"/>
        <source>Preview</source>
        <extracomment>The number as it will be handed back, as screen readers name it.</extracomment>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="104"/>
        <source>Input mantissa and exponent separately</source>
        <extracomment>Frame around the mantissa edit, &quot;× 10&quot; and the exponent edit.</extracomment>
        <translation>Saisie séparée de la mantisse et de l&apos;exposant</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="110"/>
        <source>Mantissa</source>
        <translation>Mantisse</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="129"/>
        <source>Exponent</source>
        <extracomment>The power of ten, as screen readers name its edit.</extracomment>
        <translation>Exposant</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="150"/>
        <source>&amp;Submit</source>
        <extracomment>Hands the number to the main window and closes.</extracomment>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="151"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="152"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>quorvel::PreferencesDialog</name>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="45"/>
        <source>%1 (%2)</source>
        <extracomment>Hint of a button: %1 is what it does, %2 its shortcut key, as in &quot;Add a unit (Ins)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/database/editorparts.cpp" line="32"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../ui/database/editorparts.cpp" line="33"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../ui/database/editorparts.cpp" line="34"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="76"/>
        <source>Preferences</source>
        <extracomment>Title of the window where the user edits the groups and units.</extracomment>
        <translation>Préférences</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="84"/>
        <source>Pages</source>
        <extracomment>The two pages of the preferences window, as screen readers name them.</extracomment>
        <translation>Pages</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="88"/>
        <source>&amp;Groups</source>
        <extracomment>The page where the groups are renamed and reordered.</extracomment>
        <translation>&amp;Groupes</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="90"/>
        <source>U&amp;nits</source>
        <extracomment>The page where a group&apos;s units and their factors are edited.</extracomment>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="112"/>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="116"/>
        <source>Group list</source>
        <translation>Liste des groupes</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="121"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="179"/>
        <source>&amp;Edit</source>
        <extracomment>Renames the selected group.</extracomment>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="123"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="182"/>
        <source>&amp;Up</source>
        <extracomment>Moves the selected item one place up.</extracomment>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="125"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="183"/>
        <source>&amp;Down</source>
        <extracomment>Moves the selected item one place down.</extracomment>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="126"/>
        <source>Edit the group&apos;s name</source>
        <translation>Modifier le nom du groupe</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="127"/>
        <source>Move the group up</source>
        <translation>Déplacer le groupe vers le haut</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="128"/>
        <source>Move the group down</source>
        <translation>Déplacer le groupe vers le bas</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="146"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="159"/>
        <source>Units</source>
        <extracomment>Heading of the table&apos;s column of unit names.</extracomment>
        <translation>Unités</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="151"/>
        <source>Group</source>
        <extracomment>The picker of the group whose units are shown, as screen readers name it.</extracomment>
        <translation>Groupe</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="157"/>
        <source>Units and their factors</source>
        <translation>Unités et leurs facteurs</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="161"/>
        <source>Factors</source>
        <extracomment>Heading of the table&apos;s column of factors (how many base units one unit makes).</extracomment>
        <translation>Facteurs</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="180"/>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="181"/>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="184"/>
        <source>Edit the unit</source>
        <translation>Modifier l&apos;unité</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="185"/>
        <source>Add a unit</source>
        <translation>Ajouter une unité</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="186"/>
        <source>Delete the unit</source>
        <translation>Supprimer l&apos;unité</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="187"/>
        <source>Move the unit up</source>
        <translation>Déplacer l&apos;unité vers le haut</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="188"/>
        <source>Move the unit down</source>
        <translation>Déplacer l&apos;unité vers le bas</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="201"/>
        <source>G&amp;roup:</source>
        <extracomment>Label of the picker of the group whose units are shown.</extracomment>
        <translation>Gr&amp;oupe&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="242"/>
        <source>The group list could not be read and is left as it is on disk. %1</source>
        <extracomment>%1 is the reason, such as a file that cannot be read.</extracomment>
        <translation>La liste des groupes n&apos;a pas pu être lue et reste telle quelle sur le disque. %1</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="266"/>
        <source>The units of &apos;%1&apos; were not saved and are still shown. %2</source>
        <extracomment>%1 is the name of a group, %2 the reason, such as a file that cannot be written.</extracomment>
        <translation>Les unités de «&#xa0;%1&#xa0;» n&apos;ont pas été enregistrées et restent affichées. %2</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="285"/>
        <source>The group &apos;%1&apos; could not be read and is left as it is on disk. %2</source>
        <extracomment>%1 is the name of a group, %2 the reason, such as a file that cannot be read.</extracomment>
        <translation>Le groupe «&#xa0;%1&#xa0;» n&apos;a pas pu être lu et reste tel quel sur le disque. %2</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="359"/>
        <source>Nothing was saved: %1. The window now shows the units database as it is; make your changes again.</source>
        <extracomment>%1 is the reason, such as &quot;&apos;Files/Length.uns&apos; has changed since it was read (...)&quot;.</extracomment>
        <translation>Rien n&apos;a été enregistré&#xa0;: %1. La fenêtre montre maintenant la base de données des unités telle qu&apos;elle est&#xa0;; refaites vos modifications.</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="384"/>
        <source>You must not edit &apos;Temperature&apos; group!</source>
        <extracomment>Temperature is the name of the group, which stays as it is in the group list.</extracomment>
        <translation>Le groupe «&#xa0;Temperature&#xa0;» ne doit pas être modifié&#xa0;!</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="435"/>
        <source>Nothing was saved. %1</source>
        <extracomment>%1 is the reason, such as a file that cannot be written.</extracomment>
        <translation>Rien n&apos;a été enregistré. %1</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportDialog</name>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="106"/>
        <source>No default printer is set up</source>
        <translation>Aucune imprimante par défaut n&apos;est configurée</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="175"/>
        <source>no reason given</source>
        <extracomment>What the message of a printing failure says when the printing system gives no reason.</extracomment>
        <translation>aucune raison indiquée</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="191"/>
        <source>The printer %1 refuses new jobs (%2). Let it accept jobs again in the printer settings (cupsaccept %1) and print again</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the printing system gives; cupsaccept is a command and stays as it is.</extracomment>
        <translation>L&apos;imprimante %1 refuse les nouvelles tâches (%2). Autorisez-la de nouveau à accepter des tâches dans les paramètres de l&apos;imprimante (cupsaccept %1) et relancez l&apos;impression</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="199"/>
        <source>The printer %1 is stopped (%2). Resume it in the printer settings (cupsenable %1) and print again</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the printing system gives; cupsenable is a command and stays as it is.</extracomment>
        <translation>L&apos;imprimante %1 est arrêtée (%2). Remettez-la en service dans les paramètres de l&apos;imprimante (cupsenable %1) et relancez l&apos;impression</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="242"/>
        <source>The printer %1 refused the print job: %2</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the printing system gives.</extracomment>
        <translation>L&apos;imprimante %1 a refusé la tâche d&apos;impression&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="264"/>
        <source>The print job %1 on the printer %2 was cancelled (%3)</source>
        <extracomment>%1 is the job&apos;s number, %2 the printer&apos;s name, %3 the reason the printing system gives.</extracomment>
        <translation>La tâche d&apos;impression %1 sur l&apos;imprimante %2 a été annulée (%3)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="268"/>
        <source>The print job %1 on the printer %2 was aborted (%3)</source>
        <extracomment>%1 is the job&apos;s number, %2 the printer&apos;s name, %3 the reason the printing system gives.</extracomment>
        <translation>La tâche d&apos;impression %1 sur l&apos;imprimante %2 a été interrompue (%3)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="321"/>
        <source>The printer %1 could not start the print job</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>L&apos;imprimante %1 n&apos;a pas pu démarrer la tâche d&apos;impression</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="348"/>
        <source>The print job on the printer %1 failed</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La tâche d&apos;impression sur l&apos;imprimante %1 a échoué</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="358"/>
        <location filename="../ui/report/reportdialog.cpp" line="364"/>
        <source>Report</source>
        <extracomment>Title of the window that holds the record of the conversions made.</extracomment>
        <translation>Rapport</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="376"/>
        <source>&amp;Save...</source>
        <extracomment>Saves the report as a text file; asks for the file first.</extracomment>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="379"/>
        <source>Save the report as a text file (%1)</source>
        <extracomment>%1 is the shortcut key.</extracomment>
        <translation>Enregistrer le rapport dans un fichier texte (%1)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="385"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="387"/>
        <source>&amp;Print</source>
        <extracomment>Prints the report on the default printer at once, without a dialog.</extracomment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="390"/>
        <source>C&amp;lear</source>
        <extracomment>Empties the report.</extracomment>
        <translation>Effa&amp;cer</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="391"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="392"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="425"/>
        <source>No temporary folder for the print job: %1</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>Aucun dossier temporaire pour la tâche d&apos;impression&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="442"/>
        <source>Save Report</source>
        <extracomment>Title of the dialog that asks where to save the report.</extracomment>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="444"/>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>The kinds of file the dialog offers.</extracomment>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="457"/>
        <source>The report could not be saved. %1</source>
        <extracomment>%1 is the reason, such as a file that cannot be written.</extracomment>
        <translation>Le rapport n&apos;a pas pu être enregistré. %1</translation>
    </message>
    <message>
        <location filename="../ui/report/cupsclient.cpp" line="19"/>
        <source>The printing library %1 has no function %2</source>
        <extracomment>%1 is the file of the CUPS client library, %2 the name of a function it lacks.</extracomment>
        <translation>La bibliothèque d&apos;impression %1 n&apos;a pas de fonction %2</translation>
    </message>
    <message>
        <location filename="../ui/report/cupsclient.cpp" line="26"/>
        <source>The printing library could not be opened: %1</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>Impossible d&apos;ouvrir la bibliothèque d&apos;impression&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::SplashPicture</name>
    <message>
        <location filename="../widgets/icons.cpp" line="321"/>
        <source>Units converter and scientific calculator</source>
        <extracomment>The line under the program&apos;s name on the splash picture (303 pixels wide; a longer line is drawn smaller).</extracomment>
        <translation>Convertisseur d&apos;unités et calculatrice scientifique</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitEditDialog</name>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="51"/>
        <source>A unit&apos;s name cannot hold a line break</source>
        <extracomment>Refusal of a unit&apos;s name that holds a line break, which would split the file&apos;s line.</extracomment>
        <translation>Le nom d&apos;une unité ne peut pas contenir de saut de ligne</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="54"/>
        <source>A factor cannot hold a line break</source>
        <extracomment>Refusal of a factor that holds a line break, which would split the file&apos;s line.</extracomment>
        <translation>Un facteur ne peut pas contenir de saut de ligne</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="57"/>
        <source>A unit&apos;s name cannot hold the end-of-file character (0x1A)</source>
        <extracomment>The character 0x1A ends a text file on some systems.</extracomment>
        <translation>Le nom d&apos;une unité ne peut pas contenir le caractère de fin de fichier (0x1A)</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="60"/>
        <source>A factor cannot hold the end-of-file character (0x1A)</source>
        <extracomment>The character 0x1A ends a text file on some systems.</extracomment>
        <translation>Un facteur ne peut pas contenir le caractère de fin de fichier (0x1A)</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="70"/>
        <source>Edit Units</source>
        <extracomment>Title of the dialog that edits or adds a unit with its factor.</extracomment>
        <translation>Modifier les unités</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="82"/>
        <source>Unit&apos;s name</source>
        <translation>Nom de l&apos;unité</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="84"/>
        <source>Factor</source>
        <extracomment>How many base units one unit makes.</extracomment>
        <translation>Facteur</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="87"/>
        <source>How many base units one of this unit makes,
such as 0.0254 for the inch against the metre.
A unit that runs the other way takes k/x: a value v
of it is k divided by v base units, such as 100/x
for litres per 100 km against kilometres per litre.</source>
        <extracomment>The hint of the factor field, in short lines. k/x stays as it is: it is what the user types.</extracomment>
        <translation>Combien d&apos;unités de base vaut une de ces unités,
par exemple 0,0254 pour le pouce par rapport au mètre.
Une unité qui va en sens inverse prend le facteur k/x&#xa0;:
une valeur v de cette unité vaut k divisé par v unités de base,
par exemple 100/x pour les litres aux 100 km par rapport aux kilomètres par litre.</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="95"/>
        <source>Base unit</source>
        <extracomment>The group&apos;s unit whose factor is 1.</extracomment>
        <translation>Unité de base</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="101"/>
        <source>&amp;Unit&apos;s name:</source>
        <translation>&amp;Nom de l&apos;unité&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="104"/>
        <source>&amp;Factor:</source>
        <extracomment>How many base units one unit makes.</extracomment>
        <translation>Fa&amp;cteur&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="123"/>
        <source>Base unit:</source>
        <extracomment>Label of the group&apos;s unit whose factor is 1.</extracomment>
        <translation>Unité de base&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="149"/>
        <source>Base unit: none</source>
        <extracomment>What screen readers say when the group has no unit whose factor is 1.</extracomment>
        <translation>Unité de base&#xa0;: aucune</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="152"/>
        <source>Base unit: %1</source>
        <extracomment>What screen readers say of the base unit: %1 is its name.</extracomment>
        <translation>Unité de base&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitFindDialog</name>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="24"/>
        <source>Find</source>
        <extracomment>Title of the small window that finds a unit in the units list by the beginning of its name.</extracomment>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="27"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="31"/>
        <source>Find what</source>
        <extracomment>The search text&apos;s edit, as screen readers name it.</extracomment>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="35"/>
        <source>&amp;Find Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="36"/>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="37"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitListDialog</name>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="66"/>
        <source>Units List</source>
        <extracomment>Title of the window that lists the loaded group&apos;s units for a unit picker.</extracomment>
        <translation>Liste des unités</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="73"/>
        <source>Units</source>
        <extracomment>The list of the group&apos;s units, as screen readers name it.</extracomment>
        <translation>Unités</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="79"/>
        <source>&amp;Choose</source>
        <extracomment>Puts the selected unit into the unit picker and closes the list.</extracomment>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="81"/>
        <source>&amp;Find</source>
        <extracomment>Opens the small window that finds a unit by the beginning of its name.</extracomment>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="82"/>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="83"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="87"/>
        <source>Find a unit by the beginning of its name (%1)</source>
        <extracomment>%1 is the shortcut key.</extracomment>
        <translation>Rechercher une unité par le début de son nom (%1)</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="166"/>
        <source>Search string %1 not found!</source>
        <extracomment>%1 is the text the user looked for, as typed (without quotes).</extracomment>
        <translation>Texte «&#xa0;%1&#xa0;» introuvable&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitSearchField</name>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="47"/>
        <source>Find or convert</source>
        <extracomment>Grey text in the empty search field of the main window.</extracomment>
        <translation>Chercher, convertir</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="50"/>
        <source>Find a unit by its name or symbol, or type a conversion such as %1 (%2)</source>
        <extracomment>Hint of the search field. %1 is an example of a typed conversion (12 in to cm), which stays as it is: conversions are typed with English words. %2 is its shortcut key.</extracomment>
        <translation>Recherchez une unité par son nom ou son symbole, ou saisissez une conversion comme %1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="55"/>
        <source>Find a unit or convert</source>
        <extracomment>The search field, as screen readers name it.</extracomment>
        <translation>Rechercher une unité ou convertir</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="85"/>
        <source>Answer</source>
        <extracomment>The line under the search field that shows the result of a typed conversion.</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="102"/>
        <source>Matching units</source>
        <extracomment>The list of units the search field found, as screen readers name it.</extracomment>
        <translation>Unités correspondantes</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="261"/>
        <source>This conversion gives no number</source>
        <extracomment>The answer of a typed conversion when a factor is missing or the result is out of range.</extracomment>
        <translation>Cette conversion ne donne aucun nombre</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="273"/>
        <source>%1 → %2. Enter converts.</source>
        <extracomment>Hint of a typed conversion&apos;s answer between units that no one group holds: %1 is the unit converted from, %2 the unit converted to, as in &quot;kWh/100km → Wh/mi. Enter converts.&quot;</extracomment>
        <translation>%1 → %2. Entrée pour convertir.</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="277"/>
        <source>%1 → %2, %3. Enter converts.</source>
        <extracomment>Hint of a typed conversion&apos;s answer: %1 is the unit converted from, %2 the unit converted to, %3 their group, as in &quot;inch → centimetre, Length. Enter converts.&quot;</extracomment>
        <translation>%1 → %2, %3. Entrée pour convertir.</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitsDatabase</name>
    <message>
        <location filename="../ui/language/translated.cpp" line="47"/>
        <source>No units database: %1 was not found</source>
        <extracomment>%1 is the group list file, with its whole path.</extracomment>
        <translation>Aucune base de données des unités&#xa0;: %1 est introuvable</translation>
    </message>
</context>
</TS>
