<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="64"/>
        <source>Print the conversion line of a sentence.</source>
        <translation>Gibt die Umrechnungszeile eines Satzes aus.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="66"/>
        <source>sentence</source>
        <extracomment>The name of the value of the option --convert in the help.</extracomment>
        <translation>Satz</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="67"/>
        <source>With --convert, print only the converted number.</source>
        <translation>Gibt mit --convert nur die umgerechnete Zahl aus.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="68"/>
        <source>Print the groups, or the units of the group named after it with their symbols.</source>
        <translation>Gibt die Gruppen aus, oder die Einheiten der danach genannten Gruppe mit ihren Symbolen.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="70"/>
        <source>Print the units that match the text, with their groups.</source>
        <translation>Gibt die Einheiten aus, die zum Text passen, mit ihren Gruppen.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="72"/>
        <source>text</source>
        <extracomment>The name of the value of the option --find in the help.</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="77"/>
        <source>Read the units database in this folder (default: Files in the working folder; the launcher gives your own).</source>
        <extracomment>Help of the option --database. Files is the name of a folder and stays as it is; the launcher is the command quorvel, which starts the program in the user&apos;s own folder.</extracomment>
        <translation>Liest die Einheitendatenbank in diesem Ordner (Vorgabe: Files im Arbeitsordner; der Starter nennt Ihre eigene).</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="80"/>
        <source>folder</source>
        <extracomment>The name of the value of the option --database in the help.</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="81"/>
        <source>Print this help.</source>
        <translation>Gibt diese Hilfe aus.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="82"/>
        <source>Print the version.</source>
        <translation>Gibt die Version aus.</translation>
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
        <translation>Rechnet physikalische Einheiten um. Ohne Optionen öffnet sich das Fenster.
Die folgenden Optionen schreiben ins Terminal und brauchen keine Anzeige.

Ein Satz ist eine Zahl (wahlweise), eine Einheit, wahlweise &quot;to&quot;, &quot;in&quot;, &quot;=&quot;
oder &quot;-&gt;&quot;, und die Zieleinheit: &quot;12 in to cm&quot;, &quot;100 °F -&gt; °C&quot;, &quot;-40 F C&quot;.
Zahlen dürfen Brüche und Zehnerpotenzen sein: &quot;1/2 in to mm&quot;, &quot;1½ h to min&quot;,
&quot;10^6 J to kWh&quot;; die Teile einer Summe werden addiert: &quot;5 ft 10 in to cm&quot;,
&quot;1h30m to min&quot;. Einheiten, die keine Gruppe enthält, werden als Produkte,
Quotienten und Potenzen von Einheiten gelesen, mit SI-Vorsätzen:
&quot;3 kWh/day to W&quot;, &quot;20 kWh/100km to Wh/mi&quot;, &quot;1 kg·m/s² to N&quot;, &quot;1 kft to m&quot;;
zueinander inverse Größen werden über den Kehrwert umgerechnet:
&quot;5 min/km to mph&quot;. Ohne Zahl wird 1 umgerechnet. Zahlen werden so
geschrieben, wie das Gebietsschema sie schreibt (LC_ALL=C: mit Dezimalpunkt).

Rückgabewert: 0 erledigt; 1 Satz, Gruppe oder Einheit nicht verstanden oder Wert
abgelehnt; 2 falsche Optionen oder keine Einheitendatenbank.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="110"/>
        <source>words</source>
        <extracomment>The name of the command&apos;s free arguments in its help: &quot;words&quot; in &quot;[words...]&quot; below.</extracomment>
        <translation>Wörter</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="110"/>
        <source>The sentence, group or text, when not quoted.</source>
        <translation>Der Satz, die Gruppe oder der Text, wenn nicht in Anführungszeichen.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="112"/>
        <source>[words...]</source>
        <extracomment>How the help writes the free arguments: any number of words.</extracomment>
        <translation>[Wörter...]</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="146"/>
        <source>Try &apos;quorvel --help&apos;.</source>
        <extracomment>quorvel --help is a command and stays as it is.</extracomment>
        <translation>Versuchen Sie „quorvel --help“.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="163"/>
        <source>Give --convert, --list or --find (with --database and words alone there is nothing to do).</source>
        <translation>Geben Sie --convert, --list oder --find an (mit --database und Wörtern allein gibt es nichts zu tun).</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="165"/>
        <source>Give one of --convert, --list and --find.</source>
        <translation>Geben Sie nur eine der Optionen --convert, --list und --find an.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="167"/>
        <source>--value goes with --convert.</source>
        <translation>--value gehört zu --convert.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="193"/>
        <source>&apos;%1&apos; gives no number: a factor is missing, zero or not a number, or the result is out of range</source>
        <extracomment>%1 is the sentence the user typed.</extracomment>
        <translation>„%1“ ergibt keine Zahl: Ein Faktor fehlt, ist null oder keine Zahl, oder das Ergebnis liegt außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="236"/>
        <source>&apos;%1&apos; is not a group; --list prints the groups</source>
        <extracomment>%1 is what the user gave as the name of a group.</extracomment>
        <translation>„%1“ ist keine Gruppe; --list gibt die Gruppen aus</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="257"/>
        <source>No unit matches &apos;%1&apos;</source>
        <extracomment>%1 is the text the user looked for.</extracomment>
        <translation>Keine Einheit passt zu „%1“</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <location filename="../core/conversion.cpp" line="175"/>
        <source>The value cannot be 0 in a reciprocal unit</source>
        <extracomment>A reciprocal unit, such as litre per 100 kilometres against kilometre per litre, converts a value v into k divided by v; the value 0 has no such value.</extracomment>
        <translation>Der Wert kann in einer reziproken Einheit nicht 0 sein</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../core/fileio.h" line="36"/>
        <source>Another copy of Quorvel is changing the units database</source>
        <extracomment>Another running Quorvel (a second window, or the command line) is saving its changes.</extracomment>
        <translation>Eine andere Instanz von Quorvel ändert gerade die Einheitendatenbank</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="141"/>
        <source>The unfinished change recorded in the folder &apos;%1&apos; cannot be read; its files are left as they are</source>
        <extracomment>%1 is the folder of the units database.</extracomment>
        <translation>Die im Ordner „%1“ vermerkte unvollendete Änderung kann nicht gelesen werden; ihre Dateien bleiben, wie sie sind</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="228"/>
        <source>The last change of the units database was stopped halfway and cannot be completed now (%1). No change can be saved until it is.</source>
        <extracomment>%1 is the file error that stops it, such as &quot;Cannot write &apos;...&apos;: Permission denied&quot;.</extracomment>
        <translation>Die letzte Änderung der Einheitendatenbank wurde mittendrin abgebrochen und kann jetzt nicht abgeschlossen werden (%1). Bis dahin kann keine Änderung gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="247"/>
        <source>The record of an interrupted change of the units database could not be read and was set aside as &apos;%1&apos;. Groups that change touched may be half written: check their units, then delete that file.</source>
        <extracomment>%1 is the file the record was moved to.</extracomment>
        <translation>Der Vermerk einer unterbrochenen Änderung der Einheitendatenbank war unlesbar und wurde als „%1“ beiseitegelegt. Gruppen, die diese Änderung betraf, sind womöglich nur halb geschrieben: Prüfen Sie ihre Einheiten und löschen Sie dann diese Datei.</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="256"/>
        <source>&apos;%1&apos; and &apos;%2&apos;</source>
        <extracomment>The end of a list of files, each between quotes, as in &apos;a&apos;, &apos;b&apos; and &apos;c&apos;: %1 and %2 are its last two files.</extracomment>
        <translation>„%1“ und „%2“</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="259"/>
        <source>&apos;%1&apos;, %2</source>
        <extracomment>The beginning of a list of files, each between quotes: %1 is the first file, %2 the list of the files after it.</extracomment>
        <translation>„%1“, %2</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="264"/>
        <source>The record of an interrupted change of the units database could not be read and was set aside as %1. Groups that change touched may be half written: check their units, then delete those files.</source>
        <extracomment>%1 is a list of two or more files, such as &apos;a&apos;, &apos;b&apos; and &apos;c&apos;.</extracomment>
        <translation>Der Vermerk einer unterbrochenen Änderung der Einheitendatenbank war unlesbar und wurde als %1 beiseitegelegt. Gruppen, die diese Änderung betraf, sind womöglich nur halb geschrieben: Prüfen Sie ihre Einheiten und löschen Sie dann diese Dateien.</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="214"/>
        <source>A group name cannot begin or end with a blank or a dot</source>
        <translation>Ein Gruppenname darf nicht mit einem Leerzeichen oder Punkt beginnen oder enden</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="218"/>
        <source>A group name cannot hold a line break</source>
        <translation>Ein Gruppenname darf keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="220"/>
        <source>A group name cannot hold the end-of-file character (0x1A)</source>
        <translation>Ein Gruppenname darf nicht das Dateiende-Zeichen (0x1A) enthalten</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="223"/>
        <source>A group name cannot hold a NUL character</source>
        <translation>Ein Gruppenname darf kein NUL-Zeichen enthalten</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="225"/>
        <source>A group name cannot hold a control character</source>
        <translation>Ein Gruppenname darf kein Steuerzeichen enthalten</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="228"/>
        <source>A group name cannot hold a mark that changes the direction of text</source>
        <extracomment>Such as the marks that turn Arabic or Hebrew text from right to left.</extracomment>
        <translation>Ein Gruppenname darf kein Zeichen enthalten, das die Schreibrichtung ändert</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="231"/>
        <source>A group name cannot hold an invisible character</source>
        <translation>Ein Gruppenname darf kein unsichtbares Zeichen enthalten</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="234"/>
        <source>A group name cannot hold a blank other than the ordinary space</source>
        <extracomment>Such as a no-break space or a tab.</extracomment>
        <translation>Ein Gruppenname darf kein anderes Leerzeichen als das gewöhnliche enthalten</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="251"/>
        <source>A group name cannot be empty</source>
        <translation>Ein Gruppenname darf nicht leer sein</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="254"/>
        <source>A group name cannot hold bytes that are not UTF-8 text</source>
        <translation>Ein Gruppenname darf keine Bytes enthalten, die kein UTF-8-Text sind</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="261"/>
        <source>A group name cannot hold the character %1</source>
        <extracomment>%1 is a character that file names cannot hold, such as / or :.</extracomment>
        <translation>Ein Gruppenname darf das Zeichen %1 nicht enthalten</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="264"/>
        <source>A group name cannot be a name Windows keeps for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9)</source>
        <translation>Ein Gruppenname darf kein Name sein, den Windows für ein Gerät reserviert (CON, PRN, AUX, NUL, COM1 bis COM9, LPT1 bis LPT9)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="272"/>
        <source>A group name can be at most %1 bytes long (its files&apos; names would be too long)</source>
        <extracomment>%1 is a number of bytes (a letter of the Latin alphabet takes one, most others two or more).</extracomment>
        <translation>Ein Gruppenname darf höchstens %1 Bytes lang sein (sonst würden die Namen seiner Dateien zu lang)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="302"/>
        <source>&apos;%1&apos; cannot name a file</source>
        <extracomment>%1 is a group&apos;s name that holds a / or a NUL character.</extracomment>
        <translation>„%1“ kann keine Datei benennen</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="312"/>
        <source>&apos;%1&apos; has changed since it was read (another copy of Quorvel, or another program, saved it)</source>
        <extracomment>%1 is a file of the units database.</extracomment>
        <translation>„%1“ hat sich geändert, seit es gelesen wurde (eine andere Instanz von Quorvel oder ein anderes Programm hat es gespeichert)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="400"/>
        <source>A group named &apos;%1&apos; has files already</source>
        <translation>Eine Gruppe namens „%1“ hat bereits Dateien</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="414"/>
        <source>A group named &apos;%1&apos; is in the group list already</source>
        <translation>Eine Gruppe namens „%1“ steht bereits in der Gruppenliste</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../core/fileio.cpp" line="138"/>
        <source>&apos;%1&apos; is not a regular file</source>
        <extracomment>%1 is a path that names a folder, a device or another special file instead of a file.</extracomment>
        <translation>„%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="296"/>
        <source>Cannot rename &apos;%1&apos; to &apos;%2&apos;: %3</source>
        <extracomment>%1 is the file, %2 its new name, %3 the operating system&apos;s reason.</extracomment>
        <translation>„%1“ kann nicht in „%2“ umbenannt werden: %3</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="52"/>
        <source>Cannot open &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file or folder of the units database, %2 the operating system&apos;s reason.</extracomment>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="55"/>
        <source>Cannot open the folder &apos;%1&apos;: %2</source>
        <extracomment>%1 is a folder, %2 the operating system&apos;s reason.</extracomment>
        <translation>Der Ordner „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="57"/>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file, %2 the operating system&apos;s reason.</extracomment>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="59"/>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file, %2 the operating system&apos;s reason.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="62"/>
        <source>Cannot replace &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file that was to be replaced by its new version, %2 the operating system&apos;s reason.</extracomment>
        <translation>„%1“ kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="64"/>
        <source>Cannot remove &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file, %2 the operating system&apos;s reason.</extracomment>
        <translation>„%1“ kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="66"/>
        <source>Cannot rename &apos;%1&apos;: %2</source>
        <extracomment>%1 is the file to be renamed, %2 the operating system&apos;s reason.</extracomment>
        <translation>„%1“ kann nicht umbenannt werden: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="69"/>
        <source>Cannot rename to &apos;%1&apos;: %2</source>
        <extracomment>%1 is the new name a file was to take, %2 the operating system&apos;s reason.</extracomment>
        <translation>Umbenennen in „%1“ nicht möglich: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="72"/>
        <source>Cannot flush the folder &apos;%1&apos;: %2</source>
        <extracomment>Writing a folder&apos;s changes to the disk. %1 is a folder, %2 the operating system&apos;s reason.</extracomment>
        <translation>Der Ordner „%1“ kann nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="75"/>
        <source>Cannot follow the link &apos;%1&apos;: %2</source>
        <extracomment>%1 is a symbolic link to a file of the units database, %2 the operating system&apos;s reason.</extracomment>
        <translation>Der Verknüpfung „%1“ kann nicht gefolgt werden: %2</translation>
    </message>
    <message>
        <location filename="../core/textfile.cpp" line="176"/>
        <source>A line for &apos;%1&apos; holds a line end</source>
        <extracomment>%1 is a file of the units database.</extracomment>
        <translation>Eine Zeile für „%1“ enthält ein Zeilenende</translation>
    </message>
</context>
<context>
    <name>Math</name>
    <message>
        <location filename="../calc/errors.h" line="53"/>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <location filename="../calc/errors.h" line="58"/>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <location filename="../calc/errors.h" line="63"/>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="22"/>
        <source>Overflow</source>
        <extracomment>The calculator&apos;s message for a result too large (or too close to zero) to hold; it shows with &quot;!&quot; after it, as all the calculator&apos;s messages.</extracomment>
        <translation>Überlauf</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="23"/>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="24"/>
        <source>Invalid value</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="27"/>
        <source>Negativ value</source>
        <extracomment>The calculator&apos;s message for the square root or logarithm of a number below zero (the English spelling without the final e is kept on purpose).</extracomment>
        <translation>Negativer Wert</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="30"/>
        <source>Angle Magnitude too large</source>
        <extracomment>The tangent or cotangent of an angle too large to reduce to one turn.</extracomment>
        <translation>Winkel zu groß</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <location filename="../calc/calculatormemory.cpp" line="40"/>
        <source>The memory cannot have %1 cells</source>
        <extracomment>%1 is a number of memory cells of the calculator.</extracomment>
        <translation>Der Speicher kann nicht %1 Zellen haben</translation>
    </message>
    <message>
        <location filename="../calc/calculatormemory.cpp" line="51"/>
        <source>There is no memory cell %1</source>
        <extracomment>%1 is the number of a memory cell of the calculator.</extracomment>
        <translation>Es gibt keine Speicherzelle %1</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <location filename="../calc/numbertext.cpp" line="53"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>%1 is the text as it was typed, pasted or read from a factor file.</extracomment>
        <translation>„%1“ ist keine gültige Gleitkommazahl</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../core/sentence.cpp" line="36"/>
        <source>&apos;%1&apos; is not a unit of %2</source>
        <extracomment>%1 is what the user typed as a unit, %2 the group or groups of units it was looked for in, such as Length or Length or Area.</extracomment>
        <translation>„%1“ ist keine Einheit der Gruppe %2</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="40"/>
        <source>&apos;%1&apos; is not a unit. Did you mean %2?</source>
        <extracomment>%1 is what the user typed as a unit, %2 the name of the unit whose name or symbol is closest to it (as Fahrenheit&apos;s degree for farenheit).</extracomment>
        <translation>„%1“ ist keine Einheit. Meinten Sie %2?</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="44"/>
        <source>&apos;%1&apos; is not a unit of %2. Did you mean %3?</source>
        <extracomment>%1 is what the user typed as a unit, %2 the group or groups of units it was looked for in (Length or Area), %3 the name of the unit of those groups closest to it.</extracomment>
        <translation>„%1“ ist keine Einheit der Gruppe %2. Meinten Sie %3?</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="363"/>
        <source>%1 or %2</source>
        <extracomment>Two or more names of groups of units, one of which is meant: &quot;Length or Area&quot;.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="497"/>
        <source>&apos;%1&apos; may mean %2 or %3: mind the capitals</source>
        <extracomment>%1 is what the user typed, %2 and %3 the names of two units it may mean, which differ in capital letters only (as mA and MA).</extracomment>
        <translation>„%1“ kann %2 oder %3 bedeuten: Achten Sie auf Groß- und Kleinschreibung</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="569"/>
        <source>&apos;%1&apos; fits %2: write the units in full</source>
        <extracomment>%1 is the sentence the user typed, %2 the groups of units it fits.</extracomment>
        <translation>„%1“ passt zu %2: Schreiben Sie die Einheiten aus</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="573"/>
        <location filename="../core/sentence.cpp" line="610"/>
        <source>&apos;%1&apos; fits several units: write the units in full</source>
        <extracomment>%1 is the sentence the user typed.</extracomment>
        <translation>„%1“ passt zu mehreren Einheiten: Schreiben Sie die Einheiten aus</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="641"/>
        <source>&apos;%1&apos; is %2 and &apos;%3&apos; %4: they do not convert</source>
        <extracomment>%1 and %3 are units the user typed, %2 and %4 what they measure (&quot;a mass&quot;, &quot;a force&quot;), as in: &apos;kg&apos; is a mass and &apos;N&apos; a force: they do not convert.</extracomment>
        <translation>„%1“ ist %2 und „%3“ %4: Sie lassen sich nicht ineinander umrechnen</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="679"/>
        <source>Temperatures do not add up: convert one at a time</source>
        <extracomment>The user typed a sum of temperatures, as in 20 °C 5 K to °F.</extracomment>
        <translation>Temperaturen lassen sich nicht addieren: Rechnen Sie eine nach der anderen um</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="684"/>
        <source>Reciprocal units do not add up: convert one at a time</source>
        <extracomment>The user typed a sum that would convert by a reciprocal, as in 5 L/100km 3 L/100km to mpg: litres per 100 km are the reciprocal of miles per gallon.</extracomment>
        <translation>Reziproke Einheiten lassen sich nicht addieren: Rechnen Sie eine nach der anderen um</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="689"/>
        <source>&apos;%1&apos; is a temperature, which converts alone and not in a product: type, for example, %2</source>
        <extracomment>%1 is a temperature unit the user typed inside a product or quotient of units, as °C in J/(kg·°C); %2 an example of a temperature conversion (100 °F to °C), kept as it is.</extracomment>
        <translation>„%1“ ist eine Temperatur, die nur allein umgerechnet wird, nicht in einem Produkt: Geben Sie zum Beispiel %2 ein</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="733"/>
        <source>Add the unit to convert to, as in %1</source>
        <extracomment>%1 is an example of a conversion as the user types it: 12 in to cm. It stays as it is, since conversions are typed with English words.</extracomment>
        <translation>Fügen Sie die Zieleinheit hinzu, wie in %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="737"/>
        <source>Type a unit, or a conversion such as %1</source>
        <extracomment>%1 is an example of a conversion as the user types it (12 in to cm), kept as it is.</extracomment>
        <translation>Geben Sie eine Einheit ein oder eine Umrechnung wie %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="740"/>
        <source>The sentence is too long</source>
        <translation>Der Satz ist zu lang</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="744"/>
        <source>&apos;%1&apos; is not a number</source>
        <extracomment>%1 is what the user typed where a number was expected.</extracomment>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="751"/>
        <source>Add the units, as in %1</source>
        <extracomment>%1 is an example of a conversion as the user types it (12 in to cm), kept as it is.</extracomment>
        <translation>Fügen Sie die Einheiten hinzu, wie in %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="759"/>
        <source>Add the unit to convert from, as in %1</source>
        <extracomment>%1 is an example of a conversion as the user types it (12 in to cm), kept as is.</extracomment>
        <translation>Fügen Sie die Ausgangseinheit hinzu, wie in %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="721"/>
        <source>&apos;%1&apos; is not a unit</source>
        <extracomment>%1 is what the user typed as a unit.</extracomment>
        <translation>„%1“ ist keine Einheit</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="782"/>
        <source>&apos;%1&apos; needs a unit</source>
        <extracomment>%1 is a number the user typed without a unit after it.</extracomment>
        <translation>„%1“ braucht eine Einheit</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="788"/>
        <source>Give each unit its number, as in %1</source>
        <extracomment>%1 is an example of a sum as the user types it (5 ft 10 in to cm), kept as it is.</extracomment>
        <translation>Geben Sie jeder Einheit ihre Zahl, wie in %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="799"/>
        <source>&apos;%1&apos; is not understood</source>
        <extracomment>%1 is what the user typed as the unit to convert to.</extracomment>
        <translation>„%1“ wird nicht verstanden</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="806"/>
        <source>&apos;%1&apos; is not understood: type, for example, %2</source>
        <extracomment>%1 is the sentence the user typed, %2 an example of a conversion (12 in to cm), kept as it is.</extracomment>
        <translation>„%1“ wird nicht verstanden: Geben Sie zum Beispiel %2 ein</translation>
    </message>
    <message>
        <location filename="../core/converter.cpp" line="80"/>
        <source>&apos;%1&apos; is no longer a unit of %2</source>
        <extracomment>%1 is a unit&apos;s name, %2 its group: the group&apos;s files changed after the search read them.</extracomment>
        <translation>„%1“ ist keine Einheit der Gruppe %2 mehr</translation>
    </message>
    <message>
        <location filename="../core/unitexpression.cpp" line="742"/>
        <source>an %1</source>
        <extracomment>What a unit measures, with the article &quot;an&quot;: %1 is the name of its group of units in small letters (energy, area), which stays in English as the groups&apos; names do.</extracomment>
        <translation>eine Größe der Gruppe %1</translation>
    </message>
    <message>
        <location filename="../core/unitexpression.cpp" line="745"/>
        <source>a %1</source>
        <extracomment>What a unit measures, with the article &quot;a&quot;: %1 is the name of its group of units in small letters (mass, force), which stays in English as the groups&apos; names do.</extracomment>
        <translation>eine Größe der Gruppe %1</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <location filename="../core/fileio.cpp" line="143"/>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="144"/>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="145"/>
        <source>Operation not permitted</source>
        <translation>Die Operation ist nicht erlaubt</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="146"/>
        <source>File exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="147"/>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="148"/>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="149"/>
        <source>No space left on device</source>
        <translation>Auf dem Gerät ist kein Speicherplatz mehr verfügbar</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="150"/>
        <source>Disk quota exceeded</source>
        <translation>Der zugewiesene Plattenplatz ist erschöpft</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="151"/>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="152"/>
        <source>File too large</source>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="153"/>
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="154"/>
        <source>Input/output error</source>
        <translation>Eingabe-/Ausgabefehler</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="156"/>
        <source>Too many levels of symbolic links</source>
        <extracomment>A symbolic link that leads to itself, or through too many others.</extracomment>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="157"/>
        <source>Device or resource busy</source>
        <translation>Das Gerät oder die Ressource ist belegt</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="159"/>
        <source>Invalid cross-device link</source>
        <extracomment>A file cannot be moved to another disk by a rename.</extracomment>
        <translation>Ungültige Verknüpfung über Gerätegrenzen hinweg</translation>
    </message>
</context>
<context>
    <name>Temperature</name>
    <message>
        <location filename="../core/conversion.cpp" line="35"/>
        <source>The temperature in Kelvin&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, 0 here. The two blanks before it and the blank before the &quot;!&quot; are the English message&apos;s own; use your language&apos;s usual spacing.</extracomment>
        <translation>Die Temperatur in Kelvin kann nicht unter %1 liegen!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="41"/>
        <source>The temperature in Fahrenheit&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, -459.67. See the Kelvin message for the blanks.</extracomment>
        <translation>Die Temperatur in Grad Fahrenheit kann nicht unter %1 liegen!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="47"/>
        <source>The temperature in Reaumur&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, -218.52. See the Kelvin message for the blanks.</extracomment>
        <translation>Die Temperatur in Grad Réaumur kann nicht unter %1 liegen!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="54"/>
        <source>The temperature in Rankin&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>The Rankine scale (spelt Rankin in the unit&apos;s name). %1 is its lowest temperature, 0. See the Kelvin message for the blanks.</extracomment>
        <translation>Die Temperatur in Grad Rankine kann nicht unter %1 liegen!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="60"/>
        <source>The temperature in Celsius&apos; degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, -273.15. See the Kelvin message for the blanks.</extracomment>
        <translation>Die Temperatur in Grad Celsius kann nicht unter %1 liegen!</translation>
    </message>
</context>
<context>
    <name>quorvel::AboutDialog</name>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="89"/>
        <source>version %1</source>
        <extracomment>A line of the scrolling credits: %1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="92"/>
        <source>Units converter
and scientific calculator</source>
        <extracomment>Lines of the scrolling credits, about 30 characters each, broken with 
.</extracomment>
        <translation>Einheitenumrechner und
wissenschaftlicher Rechner</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="95"/>
        <source>Units data from the SI Brochure,
NIST SP 811, CODATA 2022
and the 1959 yard and pound agreement</source>
        <extracomment>Lines of the scrolling credits, about 30 characters each, broken with 
. The names of the sources stay as they are.</extracomment>
        <translation>Einheitendaten aus der
SI-Broschüre, NIST SP 811,
CODATA 2022 und dem
Yard-und-Pfund-Abkommen
von 1959</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="99"/>
        <source>Built with Qt</source>
        <extracomment>A line of the scrolling credits; Qt is the name of the toolkit.</extracomment>
        <translation>Erstellt mit Qt</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="101"/>
        <source>Thanks to everyone who sent us
a unit we did not have yet</source>
        <extracomment>Lines of the scrolling credits, about 30 characters each, broken with 
.</extracomment>
        <translation>Dank allen, die uns eine
Einheit geschickt haben,
die uns noch fehlte</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="111"/>
        <source>About</source>
        <extracomment>Title of the About box.</extracomment>
        <translation>Über Quorvel</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="124"/>
        <source>Credits</source>
        <extracomment>The panel of scrolling credits, as screen readers name it.</extracomment>
        <translation>Mitwirkende</translation>
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
        <translation>Das Handbuch ist auf Englisch.</translation>
    </message>
</context>
<context>
    <name>quorvel::Application</name>
    <message>
        <location filename="../ui/app/application.cpp" line="28"/>
        <source>Unknown error</source>
        <extracomment>An error of no known kind reached the calculator&apos;s error balloon.</extracomment>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>quorvel::CalculatorWindow</name>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="29"/>
        <source>Key: %1</source>
        <extracomment>What screen readers say of the key that presses a calculator button: %1 is the key.</extracomment>
        <translation>Taste: %1</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="31"/>
        <source>Key: %1 or %2</source>
        <extracomment>What screen readers say of the two keys that press a calculator button, as &quot;= or Enter&quot;.</extracomment>
        <translation>Taste: %1 oder %2</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindow.cpp" line="59"/>
        <source>Scientific Calculator</source>
        <extracomment>Title of the calculator window.</extracomment>
        <translation>Wissenschaftlicher Rechner</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindow.cpp" line="305"/>
        <source>%1!</source>
        <extracomment>An error in the calculator&apos;s balloon: %1 is the message (&quot;Division by zero&quot;), closed by an exclamation mark as your language writes one.</extracomment>
        <translation>%1!</translation>
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
        <translation>Winkel im Bogenmaß</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="64"/>
        <source>Deg</source>
        <extracomment>Angle unit degree (a quarter turn is 90), caption of a radio button in a narrow row.</extracomment>
        <translation>Grad</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="64"/>
        <source>Angles in degrees</source>
        <translation>Winkel in Grad</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="67"/>
        <source>Grad</source>
        <extracomment>Angle unit gradian or gon (a quarter turn is 100), caption of a radio button in a narrow row.</extracomment>
        <translation>Gon</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="67"/>
        <source>Angles in gradians</source>
        <translation>Winkel in Gon</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="70"/>
        <source>Cycle</source>
        <extracomment>Angle unit of whole turns (a quarter turn is 0.25), caption of a radio button in a narrow row.</extracomment>
        <translation>Umdr.</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="70"/>
        <source>Angles in turns</source>
        <translation>Winkel in Umdrehungen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="132"/>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="159"/>
        <source>Display</source>
        <extracomment>The calculator&apos;s display, as screen readers name it.</extracomment>
        <translation>Anzeige</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="134"/>
        <source>Digital display</source>
        <extracomment>Hint of the calculator&apos;s display.</extracomment>
        <translation>Digitalanzeige</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="146"/>
        <source>Operation sign %1</source>
        <extracomment>What screen readers say of the small panel at the left of the display: %1 is the sign of the last operation (+, ×).</extracomment>
        <translation>Rechenzeichen %1</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="152"/>
        <source>Sign of the current operation</source>
        <extracomment>Hint of the small panel at the left of the display that shows the last operation&apos;s sign.</extracomment>
        <translation>Zeichen der laufenden Rechenoperation</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="195"/>
        <source>Memory cell %1</source>
        <extracomment>A memory cell&apos;s button, as screen readers name it: %1 is its number, 1 to 10.</extracomment>
        <translation>Speicherzelle %1</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="203"/>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="214"/>
        <source>Memory</source>
        <extracomment>The row of memory cells, as screen readers name it.</extracomment>
        <translation>Speicher</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="207"/>
        <source>Memory cell value</source>
        <extracomment>The display of the memory cell&apos;s value, as screen readers name it.</extracomment>
        <translation>Wert der Speicherzelle</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="223"/>
        <source>&amp;Submit</source>
        <extracomment>Hands the result to the main window and closes. Do not mark R: Alt+R is the 1/x key.</extracomment>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="225"/>
        <source>&amp;Close</source>
        <extracomment>Do not mark R: Alt+R is the 1/x key.</extracomment>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="227"/>
        <source>&amp;Help</source>
        <extracomment>Do not mark R: Alt+R is the 1/x key.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="10"/>
        <source>Zero</source>
        <extracomment>Names of the calculator keys as screen readers say them: the 0 key.</extracomment>
        <translation>Null</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="11"/>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="12"/>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="13"/>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="14"/>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="15"/>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="16"/>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="17"/>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="18"/>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="19"/>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="21"/>
        <source>Decimal separator</source>
        <extracomment>The key that types the decimal comma or point, as screen readers name it.</extracomment>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="23"/>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="25"/>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="28"/>
        <source>Multiply</source>
        <extracomment>The × key, as screen readers name it.</extracomment>
        <translation>Mal</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="31"/>
        <source>Divide</source>
        <extracomment>The / key, as screen readers name it.</extracomment>
        <translation>Geteilt durch</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="34"/>
        <source>Equals</source>
        <extracomment>The = key, as screen readers name it.</extracomment>
        <translation>Gleich</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="36"/>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="39"/>
        <source>Percent</source>
        <extracomment>The % key, as screen readers name it.</extracomment>
        <translation>Prozent</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="42"/>
        <source>Reciprocal</source>
        <extracomment>The 1/x key, as screen readers name it.</extracomment>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="45"/>
        <source>Change sign</source>
        <extracomment>The +/- key, as screen readers name it.</extracomment>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="48"/>
        <source>Clear</source>
        <extracomment>The C key, which clears the calculation, as screen readers name it.</extracomment>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="51"/>
        <source>Clear entry</source>
        <extracomment>The CE key, which clears the number being typed, as screen readers name it.</extracomment>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="56"/>
        <source>BACK</source>
        <extracomment>Caption of the calculator key that deletes the last digit typed (at most 5 letters, in capitals like the other key captions).</extracomment>
        <translation>RÜCK</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="58"/>
        <source>Backspace</source>
        <extracomment>The BACK key, which deletes the last digit typed, as screen readers name it.</extracomment>
        <translation>Letzte Ziffer löschen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="60"/>
        <source>Memory add</source>
        <extracomment>The M+ key, which adds the display to the memory cell, as screen readers name it.</extracomment>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="63"/>
        <source>Memory subtract</source>
        <extracomment>The M- key, which subtracts the display from the memory cell, as screen readers name it.</extracomment>
        <translation>Vom Speicher abziehen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="66"/>
        <source>Memory recall</source>
        <extracomment>The MR key, which shows the memory cell, as screen readers name it.</extracomment>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="69"/>
        <source>Memory clear</source>
        <extracomment>The MC key, which clears the memory cell, as screen readers name it.</extracomment>
        <translation>Speicher löschen</translation>
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
        <translation>Kosinus</translation>
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
        <translation>Tangens</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="87"/>
        <source>Ctg</source>
        <extracomment>Caption of the cotangent function&apos;s key (Ctg is the Russian form of cot).</extracomment>
        <translation>cot</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="88"/>
        <source>Cotangent</source>
        <translation>Kotangens</translation>
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
        <translation>Sekans</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="93"/>
        <source>Cosec</source>
        <extracomment>Caption of the cosecant function&apos;s key (elsewhere written csc).</extracomment>
        <translation>csc</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="94"/>
        <source>Cosecant</source>
        <translation>Kosekans</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="97"/>
        <source>Sh</source>
        <extracomment>Caption of the hyperbolic sine&apos;s key (elsewhere written sinh).</extracomment>
        <translation>sinh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="98"/>
        <source>Hyperbolic sine</source>
        <translation>Sinus hyperbolicus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="100"/>
        <source>Ch</source>
        <extracomment>Caption of the hyperbolic cosine&apos;s key (elsewhere written cosh).</extracomment>
        <translation>cosh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="101"/>
        <source>Hyperbolic cosine</source>
        <translation>Kosinus hyperbolicus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="103"/>
        <source>Th</source>
        <extracomment>Caption of the hyperbolic tangent&apos;s key (elsewhere written tanh).</extracomment>
        <translation>tanh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="104"/>
        <source>Hyperbolic tangent</source>
        <translation>Tangens hyperbolicus</translation>
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
        <translation>Kotangens hyperbolicus</translation>
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
        <translation>Sekans hyperbolicus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="113"/>
        <source>Cosech</source>
        <extracomment>Caption of the hyperbolic cosecant&apos;s key (elsewhere written csch).</extracomment>
        <translation>csch</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="114"/>
        <source>Hyperbolic cosecant</source>
        <translation>Kosekans hyperbolicus</translation>
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
        <translation>Arkussinus</translation>
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
        <translation>Arkuskosinus</translation>
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
        <translation>Arkustangens</translation>
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
        <translation>Arkuskotangens</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="130"/>
        <source>Square</source>
        <extracomment>Hint of the x² key: the number squared.</extracomment>
        <translation>Quadrat</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="133"/>
        <source>Cube</source>
        <extracomment>Hint of the x³ key: the number to the third power.</extracomment>
        <translation>Dritte Potenz</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="137"/>
        <source>ArSh</source>
        <extracomment>Caption of the inverse hyperbolic sine&apos;s key (elsewhere written arsinh).</extracomment>
        <translation>arsinh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="138"/>
        <source>Inverse hyperbolic sine</source>
        <translation>Areasinus hyperbolicus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="141"/>
        <source>ArCh</source>
        <extracomment>Caption of the inverse hyperbolic cosine&apos;s key (elsewhere written arcosh).</extracomment>
        <translation>arcosh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="142"/>
        <source>Inverse hyperbolic cosine</source>
        <translation>Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="145"/>
        <source>ArTh</source>
        <extracomment>Caption of the inverse hyperbolic tangent&apos;s key (elsewhere written artanh).</extracomment>
        <translation>artanh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="146"/>
        <source>Inverse hyperbolic tangent</source>
        <translation>Areatangens hyperbolicus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="149"/>
        <source>ArCth</source>
        <extracomment>Caption of the inverse hyperbolic cotangent&apos;s key (elsewhere written arcoth).</extracomment>
        <translation>arcoth</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="150"/>
        <source>Inverse hyperbolic cotangent</source>
        <translation>Areakotangens hyperbolicus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="153"/>
        <source>Cube root</source>
        <extracomment>Hint of the key of the cube root.</extracomment>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="156"/>
        <source>Custom base power</source>
        <extracomment>The key of x to the power y.</extracomment>
        <translation>Potenz x hoch y</translation>
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
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="163"/>
        <source>lg</source>
        <extracomment>Caption of the common (base 10) logarithm&apos;s key.</extracomment>
        <translation>lg</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="164"/>
        <source>Common logarithm</source>
        <translation>Dekadischer Logarithmus</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="167"/>
        <source>Custom base logarithm</source>
        <extracomment>The key of the logarithm of x to the base y.</extracomment>
        <translation>Logarithmus zur Basis y</translation>
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
        <translation>Fakultät</translation>
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
        <translation>Kreiszahl π</translation>
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
        <translation>Exponentialfunktion</translation>
    </message>
</context>
<context>
    <name>quorvel::ConfirmDeleteDialog</name>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="23"/>
        <source>Confirm Deleting</source>
        <extracomment>Title of the dialog that asks before a unit is deleted.</extracomment>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="31"/>
        <source>Do you really want to delete this item?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="54"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="55"/>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>quorvel::ErrorBalloon</name>
    <message>
        <location filename="../ui/shared/balloon.cpp" line="232"/>
        <source>An error hint needs a control</source>
        <translation>Ein Fehlerhinweis braucht ein Steuerelement</translation>
    </message>
</context>
<context>
    <name>quorvel::GroupColumn</name>
    <message>
        <location filename="../ui/converter/groupcolumn.cpp" line="30"/>
        <source>Group %1</source>
        <extracomment>A group button without a group, as screen readers name it: %1 is its place, 1 to 23.</extracomment>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <location filename="../ui/converter/groupcolumn.cpp" line="39"/>
        <source>Groups</source>
        <extracomment>The column of group buttons, as screen readers name it.</extracomment>
        <translation>Gruppen</translation>
    </message>
    <message>
        <location filename="../ui/converter/groupcolumn.cpp" line="82"/>
        <source>More groups</source>
        <extracomment>Submenu of the Units menu with the groups that have no button, past the 23rd.</extracomment>
        <translation>Weitere Gruppen</translation>
    </message>
</context>
<context>
    <name>quorvel::GroupNameDialog</name>
    <message>
        <location filename="../ui/database/groupnamedialog.cpp" line="24"/>
        <source>Edit Group</source>
        <extracomment>Title of the dialog that renames a group.</extracomment>
        <translation>Gruppe bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/database/groupnamedialog.cpp" line="30"/>
        <source>Name of the group</source>
        <translation>Name der Gruppe</translation>
    </message>
    <message>
        <location filename="../ui/database/groupnamedialog.cpp" line="32"/>
        <source>Edit the name of the group</source>
        <translation>Namen der Gruppe bearbeiten</translation>
    </message>
</context>
<context>
    <name>quorvel::HelpWindow</name>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="111"/>
        <source>Quorvel Help</source>
        <extracomment>Title of the window of the manual. The manual itself is in English.</extracomment>
        <translation>Quorvel-Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="118"/>
        <source>Table of contents</source>
        <translation>Inhaltsverzeichnis</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="141"/>
        <source>Back</source>
        <extracomment>Goes back to the page shown before.</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="144"/>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="148"/>
        <source>Contents</source>
        <extracomment>Goes to the manual&apos;s first page, its table of contents.</extracomment>
        <translation>Inhalt</translation>
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
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="34"/>
        <source>&amp;Copy</source>
        <extracomment>Copies the value to the clipboard.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="37"/>
        <source>&amp;Paste</source>
        <extracomment>Takes a value from the number on the clipboard.</extracomment>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="41"/>
        <source>P&amp;references</source>
        <extracomment>Opens the window where the user edits the groups and units.</extracomment>
        <translation>Ein&amp;stellungen</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="44"/>
        <source>&amp;Tools</source>
        <extracomment>Menu of the main window.</extracomment>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="46"/>
        <source>&amp;Calculator</source>
        <translation>&amp;Rechner</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="48"/>
        <source>&amp;Report</source>
        <extracomment>Opens the report of the conversions made.</extracomment>
        <translation>&amp;Bericht</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="51"/>
        <source>&amp;Units</source>
        <extracomment>Menu of the main window; its items are the groups of units (Length, Mass, ...).</extracomment>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="57"/>
        <source>&amp;Help</source>
        <extracomment>Menu of the main window.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="60"/>
        <source>&amp;Contents</source>
        <extracomment>Opens the manual at its table of contents.</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="63"/>
        <source>&amp;Home Page</source>
        <extracomment>Opens the program&apos;s web site.</extracomment>
        <translation>&amp;Homepage</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="66"/>
        <source>&amp;About</source>
        <extracomment>Opens the About box of the program.</extracomment>
        <translation>&amp;Über Quorvel</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="102"/>
        <source>Copy</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="104"/>
        <source>Paste</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="106"/>
        <source>Preferences</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="109"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="146"/>
        <source>Calculator</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Rechner</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="111"/>
        <source>Open calculator</source>
        <extracomment>The calculator tool button, as screen readers name it.</extracomment>
        <translation>Rechner öffnen</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="113"/>
        <source>Report</source>
        <extracomment>Hint of a tool button that opens the report of the conversions made.</extracomment>
        <translation>Bericht</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="116"/>
        <source>Help</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="129"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="136"/>
        <source>Value</source>
        <extracomment>The value being converted, as screen readers name it.</extracomment>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="148"/>
        <source>Calculate with the value</source>
        <extracomment>The small calculator button beside the value, as screen readers name it.</extracomment>
        <translation>Mit dem Wert rechnen</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="167"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="243"/>
        <source>Upper unit</source>
        <extracomment>Label of the unit picker above the arrow buttons.</extracomment>
        <translation>Obere Einheit</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="172"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="243"/>
        <source>Lower unit</source>
        <extracomment>Label of the unit picker below the arrow buttons.</extracomment>
        <translation>Untere Einheit</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="180"/>
        <source>List of units</source>
        <extracomment>Hint of the button beside a unit picker that opens the list of the group&apos;s units.</extracomment>
        <translation>Liste der Einheiten</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="187"/>
        <source>Upper unit list</source>
        <extracomment>The button that opens the units list for the upper picker, as screen readers name it.</extracomment>
        <translation>Liste für die obere Einheit</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="189"/>
        <source>Lower unit list</source>
        <extracomment>The button that opens the units list for the lower picker, as screen readers name it.</extracomment>
        <translation>Liste für die untere Einheit</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="206"/>
        <source>Convert to the upper unit</source>
        <extracomment>The up arrow button, as screen readers name it.</extracomment>
        <translation>In die obere Einheit umrechnen</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="209"/>
        <source>Convert to the lower unit</source>
        <extracomment>The down arrow button, as screen readers name it.</extracomment>
        <translation>In die untere Einheit umrechnen</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="259"/>
        <source>Status</source>
        <extracomment>The status bar, as screen readers name it.</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="283"/>
        <source>Group</source>
        <extracomment>The status bar&apos;s first panel before a group is loaded; it shows the group&apos;s name then.</extracomment>
        <translation>Gruppe</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindow.cpp" line="209"/>
        <source>The units of &apos;%1&apos; cannot be read. %2</source>
        <extracomment>%1 is the name of a group, %2 the reason, such as a file that cannot be read.</extracomment>
        <translation>Die Einheiten von „%1“ können nicht gelesen werden. %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/converter/mainwindow.cpp" line="216"/>
        <source>%n of the %1 units of &apos;%2&apos; have no positive number as factor and do not convert.</source>
        <extracomment>%n is the number of units that do not convert, %1 the number of all the group&apos;s units, %2 the group&apos;s name.</extracomment>
        <translation>
            <numerusform>%n der %1 Einheiten von „%2“ hat keine positive Zahl als Faktor und lässt sich nicht umrechnen.</numerusform>
            <numerusform>%n der %1 Einheiten von „%2“ haben keine positive Zahl als Faktor und lassen sich nicht umrechnen.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindow.cpp" line="292"/>
        <source>Value %1</source>
        <extracomment>What screen readers say of a new value: %1 is the number.</extracomment>
        <translation>Wert %1</translation>
    </message>
</context>
<context>
    <name>quorvel::NumberInputDialog</name>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="64"/>
        <source>Input Number</source>
        <extracomment>Title of the dialog where the user types the value as a mantissa and a power of ten.</extracomment>
        <translation>Zahl eingeben</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="84"/>
        <source>Preview in natural style</source>
        <extracomment>Frame around the number as it will be handed back, written out in full.</extracomment>
        <translation>Vorschau in natürlicher Schreibweise</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="97"/>
        <source>Preview</source>
        <extracomment>The number as it will be handed back, as screen readers name it.</extracomment>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="104"/>
        <source>Input mantissa and exponent separately</source>
        <extracomment>Frame around the mantissa edit, &quot;× 10&quot; and the exponent edit.</extracomment>
        <translation>Mantisse und Exponent getrennt eingeben</translation>
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
        <translation>Exponent</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="150"/>
        <source>&amp;Submit</source>
        <extracomment>Hands the number to the main window and closes.</extracomment>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="151"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="152"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
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
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../ui/database/editorparts.cpp" line="33"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../ui/database/editorparts.cpp" line="34"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="76"/>
        <source>Preferences</source>
        <extracomment>Title of the window where the user edits the groups and units.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="84"/>
        <source>Pages</source>
        <extracomment>The two pages of the preferences window, as screen readers name them.</extracomment>
        <translation>Seiten</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="88"/>
        <source>&amp;Groups</source>
        <extracomment>The page where the groups are renamed and reordered.</extracomment>
        <translation>&amp;Gruppen</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="90"/>
        <source>U&amp;nits</source>
        <extracomment>The page where a group&apos;s units and their factors are edited.</extracomment>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="112"/>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="116"/>
        <source>Group list</source>
        <translation>Gruppenliste</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="121"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="179"/>
        <source>&amp;Edit</source>
        <extracomment>Renames the selected group.</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="123"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="182"/>
        <source>&amp;Up</source>
        <extracomment>Moves the selected item one place up.</extracomment>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="125"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="183"/>
        <source>&amp;Down</source>
        <extracomment>Moves the selected item one place down.</extracomment>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="126"/>
        <source>Edit the group&apos;s name</source>
        <translation>Namen der Gruppe bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="127"/>
        <source>Move the group up</source>
        <translation>Gruppe nach oben verschieben</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="128"/>
        <source>Move the group down</source>
        <translation>Gruppe nach unten verschieben</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="146"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="159"/>
        <source>Units</source>
        <extracomment>Heading of the table&apos;s column of unit names.</extracomment>
        <translation>Einheiten</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="151"/>
        <source>Group</source>
        <extracomment>The picker of the group whose units are shown, as screen readers name it.</extracomment>
        <translation>Gruppe</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="157"/>
        <source>Units and their factors</source>
        <translation>Einheiten und ihre Faktoren</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="161"/>
        <source>Factors</source>
        <extracomment>Heading of the table&apos;s column of factors (how many base units one unit makes).</extracomment>
        <translation>Faktoren</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="180"/>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="181"/>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="184"/>
        <source>Edit the unit</source>
        <translation>Einheit bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="185"/>
        <source>Add a unit</source>
        <translation>Einheit hinzufügen</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="186"/>
        <source>Delete the unit</source>
        <translation>Einheit löschen</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="187"/>
        <source>Move the unit up</source>
        <translation>Einheit nach oben verschieben</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="188"/>
        <source>Move the unit down</source>
        <translation>Einheit nach unten verschieben</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="201"/>
        <source>G&amp;roup:</source>
        <extracomment>Label of the picker of the group whose units are shown.</extracomment>
        <translation>G&amp;ruppe:</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="242"/>
        <source>The group list could not be read and is left as it is on disk. %1</source>
        <extracomment>%1 is the reason, such as a file that cannot be read.</extracomment>
        <translation>Die Gruppenliste konnte nicht gelesen werden und bleibt auf dem Datenträger, wie sie ist. %1</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="266"/>
        <source>The units of &apos;%1&apos; were not saved and are still shown. %2</source>
        <extracomment>%1 is the name of a group, %2 the reason, such as a file that cannot be written.</extracomment>
        <translation>Die Einheiten von „%1“ wurden nicht gespeichert und werden weiter angezeigt. %2</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="285"/>
        <source>The group &apos;%1&apos; could not be read and is left as it is on disk. %2</source>
        <extracomment>%1 is the name of a group, %2 the reason, such as a file that cannot be read.</extracomment>
        <translation>Die Gruppe „%1“ konnte nicht gelesen werden und bleibt auf dem Datenträger, wie sie ist. %2</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="359"/>
        <source>Nothing was saved: %1. The window now shows the units database as it is; make your changes again.</source>
        <extracomment>%1 is the reason, such as &quot;&apos;Files/Length.uns&apos; has changed since it was read (...)&quot;.</extracomment>
        <translation>Nichts wurde gespeichert: %1. Das Fenster zeigt jetzt die Einheitendatenbank, wie sie ist; nehmen Sie Ihre Änderungen erneut vor.</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="384"/>
        <source>You must not edit &apos;Temperature&apos; group!</source>
        <extracomment>Temperature is the name of the group, which stays as it is in the group list.</extracomment>
        <translation>Die Gruppe „Temperature“ darf nicht bearbeitet werden!</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="435"/>
        <source>Nothing was saved. %1</source>
        <extracomment>%1 is the reason, such as a file that cannot be written.</extracomment>
        <translation>Nichts wurde gespeichert. %1</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportDialog</name>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="106"/>
        <source>No default printer is set up</source>
        <translation>Es ist kein Standarddrucker eingerichtet</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="175"/>
        <source>no reason given</source>
        <extracomment>What the message of a printing failure says when the printing system gives no reason.</extracomment>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="191"/>
        <source>The printer %1 refuses new jobs (%2). Let it accept jobs again in the printer settings (cupsaccept %1) and print again</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the printing system gives; cupsaccept is a command and stays as it is.</extracomment>
        <translation>Der Drucker %1 nimmt keine neuen Aufträge an (%2). Lassen Sie ihn in den Druckereinstellungen wieder Aufträge annehmen (cupsaccept %1) und drucken Sie erneut</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="199"/>
        <source>The printer %1 is stopped (%2). Resume it in the printer settings (cupsenable %1) and print again</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the printing system gives; cupsenable is a command and stays as it is.</extracomment>
        <translation>Der Drucker %1 ist angehalten (%2). Setzen Sie ihn in den Druckereinstellungen fort (cupsenable %1) und drucken Sie erneut</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="242"/>
        <source>The printer %1 refused the print job: %2</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the printing system gives.</extracomment>
        <translation>Der Drucker %1 hat den Druckauftrag abgelehnt: %2</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="264"/>
        <source>The print job %1 on the printer %2 was cancelled (%3)</source>
        <extracomment>%1 is the job&apos;s number, %2 the printer&apos;s name, %3 the reason the printing system gives.</extracomment>
        <translation>Der Druckauftrag %1 auf dem Drucker %2 wurde storniert (%3)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="268"/>
        <source>The print job %1 on the printer %2 was aborted (%3)</source>
        <extracomment>%1 is the job&apos;s number, %2 the printer&apos;s name, %3 the reason the printing system gives.</extracomment>
        <translation>Der Druckauftrag %1 auf dem Drucker %2 wurde abgebrochen (%3)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="321"/>
        <source>The printer %1 could not start the print job</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Der Drucker %1 konnte den Druckauftrag nicht beginnen</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="348"/>
        <source>The print job on the printer %1 failed</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Der Druckauftrag auf dem Drucker %1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="358"/>
        <location filename="../ui/report/reportdialog.cpp" line="364"/>
        <source>Report</source>
        <extracomment>Title of the window that holds the record of the conversions made.</extracomment>
        <translation>Bericht</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="376"/>
        <source>&amp;Save...</source>
        <extracomment>Saves the report as a text file; asks for the file first.</extracomment>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="379"/>
        <source>Save the report as a text file (%1)</source>
        <extracomment>%1 is the shortcut key.</extracomment>
        <translation>Den Bericht als Textdatei speichern (%1)</translation>
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
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="390"/>
        <source>C&amp;lear</source>
        <extracomment>Empties the report.</extracomment>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="391"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="392"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="425"/>
        <source>No temporary folder for the print job: %1</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>Kein temporärer Ordner für den Druckauftrag: %1</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="442"/>
        <source>Save Report</source>
        <extracomment>Title of the dialog that asks where to save the report.</extracomment>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="444"/>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>The kinds of file the dialog offers.</extracomment>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="457"/>
        <source>The report could not be saved. %1</source>
        <extracomment>%1 is the reason, such as a file that cannot be written.</extracomment>
        <translation>Der Bericht konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <location filename="../ui/report/cupsclient.cpp" line="19"/>
        <source>The printing library %1 has no function %2</source>
        <extracomment>%1 is the file of the CUPS client library, %2 the name of a function it lacks.</extracomment>
        <translation>Der Druckbibliothek %1 fehlt die Funktion %2</translation>
    </message>
    <message>
        <location filename="../ui/report/cupsclient.cpp" line="26"/>
        <source>The printing library could not be opened: %1</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>Die Druckbibliothek konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::SplashPicture</name>
    <message>
        <location filename="../widgets/icons.cpp" line="321"/>
        <source>Units converter and scientific calculator</source>
        <extracomment>The line under the program&apos;s name on the splash picture (303 pixels wide; a longer line is drawn smaller).</extracomment>
        <translation>Einheitenumrechner und wissenschaftlicher Rechner</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitEditDialog</name>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="51"/>
        <source>A unit&apos;s name cannot hold a line break</source>
        <extracomment>Refusal of a unit&apos;s name that holds a line break, which would split the file&apos;s line.</extracomment>
        <translation>Der Name einer Einheit darf keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="54"/>
        <source>A factor cannot hold a line break</source>
        <extracomment>Refusal of a factor that holds a line break, which would split the file&apos;s line.</extracomment>
        <translation>Ein Faktor darf keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="57"/>
        <source>A unit&apos;s name cannot hold the end-of-file character (0x1A)</source>
        <extracomment>The character 0x1A ends a text file on some systems.</extracomment>
        <translation>Der Name einer Einheit darf nicht das Dateiende-Zeichen (0x1A) enthalten</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="60"/>
        <source>A factor cannot hold the end-of-file character (0x1A)</source>
        <extracomment>The character 0x1A ends a text file on some systems.</extracomment>
        <translation>Ein Faktor darf nicht das Dateiende-Zeichen (0x1A) enthalten</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="70"/>
        <source>Edit Units</source>
        <extracomment>Title of the dialog that edits or adds a unit with its factor.</extracomment>
        <translation>Einheiten bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="82"/>
        <source>Unit&apos;s name</source>
        <translation>Name der Einheit</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="84"/>
        <source>Factor</source>
        <extracomment>How many base units one unit makes.</extracomment>
        <translation>Faktor</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="87"/>
        <source>How many base units one of this unit makes,
such as 0.0254 for the inch against the metre.
A unit that runs the other way takes k/x: a value v
of it is k divided by v base units, such as 100/x
for litres per 100 km against kilometres per litre.</source>
        <extracomment>The hint of the factor field, in short lines. k/x stays as it is: it is what the user types.</extracomment>
        <translation>Wie viele Basiseinheiten eine dieser Einheiten ergibt,
etwa 0,0254 für den Zoll gegenüber dem Meter.
Eine Einheit, die umgekehrt läuft, erhält den Faktor k/x:
Ein Wert v von ihr ist k geteilt durch v Basiseinheiten,
etwa 100/x für Liter pro 100 km gegenüber Kilometern pro Liter.</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="95"/>
        <source>Base unit</source>
        <extracomment>The group&apos;s unit whose factor is 1.</extracomment>
        <translation>Basiseinheit</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="101"/>
        <source>&amp;Unit&apos;s name:</source>
        <translation>&amp;Name der Einheit:</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="104"/>
        <source>&amp;Factor:</source>
        <extracomment>How many base units one unit makes.</extracomment>
        <translation>&amp;Faktor:</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="123"/>
        <source>Base unit:</source>
        <extracomment>Label of the group&apos;s unit whose factor is 1.</extracomment>
        <translation>Basiseinheit:</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="149"/>
        <source>Base unit: none</source>
        <extracomment>What screen readers say when the group has no unit whose factor is 1.</extracomment>
        <translation>Basiseinheit: keine</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="152"/>
        <source>Base unit: %1</source>
        <extracomment>What screen readers say of the base unit: %1 is its name.</extracomment>
        <translation>Basiseinheit: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitFindDialog</name>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="24"/>
        <source>Find</source>
        <extracomment>Title of the small window that finds a unit in the units list by the beginning of its name.</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="27"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="31"/>
        <source>Find what</source>
        <extracomment>The search text&apos;s edit, as screen readers name it.</extracomment>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="35"/>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="36"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="37"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitListDialog</name>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="66"/>
        <source>Units List</source>
        <extracomment>Title of the window that lists the loaded group&apos;s units for a unit picker.</extracomment>
        <translation>Einheitenliste</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="73"/>
        <source>Units</source>
        <extracomment>The list of the group&apos;s units, as screen readers name it.</extracomment>
        <translation>Einheiten</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="79"/>
        <source>&amp;Choose</source>
        <extracomment>Puts the selected unit into the unit picker and closes the list.</extracomment>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="81"/>
        <source>&amp;Find</source>
        <extracomment>Opens the small window that finds a unit by the beginning of its name.</extracomment>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="82"/>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="83"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="87"/>
        <source>Find a unit by the beginning of its name (%1)</source>
        <extracomment>%1 is the shortcut key.</extracomment>
        <translation>Eine Einheit nach dem Anfang ihres Namens suchen (%1)</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="166"/>
        <source>Search string %1 not found!</source>
        <extracomment>%1 is the text the user looked for, as typed (without quotes).</extracomment>
        <translation>Suchtext %1 nicht gefunden!</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitSearchField</name>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="47"/>
        <source>Find or convert</source>
        <extracomment>Grey text in the empty search field of the main window.</extracomment>
        <translation>Suchen, umrechnen</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="50"/>
        <source>Find a unit by its name or symbol, or type a conversion such as %1 (%2)</source>
        <extracomment>Hint of the search field. %1 is an example of a typed conversion (12 in to cm), which stays as it is: conversions are typed with English words. %2 is its shortcut key.</extracomment>
        <translation>Suchen Sie eine Einheit nach Name oder Symbol, oder geben Sie eine Umrechnung wie %1 ein (%2)</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="55"/>
        <source>Find a unit or convert</source>
        <extracomment>The search field, as screen readers name it.</extracomment>
        <translation>Einheit suchen oder umrechnen</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="85"/>
        <source>Answer</source>
        <extracomment>The line under the search field that shows the result of a typed conversion.</extracomment>
        <translation>Antwort</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="102"/>
        <source>Matching units</source>
        <extracomment>The list of units the search field found, as screen readers name it.</extracomment>
        <translation>Passende Einheiten</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="261"/>
        <source>This conversion gives no number</source>
        <extracomment>The answer of a typed conversion when a factor is missing or the result is out of range.</extracomment>
        <translation>Diese Umrechnung ergibt keine Zahl</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="273"/>
        <source>%1 → %2. Enter converts.</source>
        <extracomment>Hint of a typed conversion&apos;s answer between units that no one group holds: %1 is the unit converted from, %2 the unit converted to, as in &quot;kWh/100km → Wh/mi. Enter converts.&quot;</extracomment>
        <translation>%1 → %2. Eingabe rechnet um.</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="277"/>
        <source>%1 → %2, %3. Enter converts.</source>
        <extracomment>Hint of a typed conversion&apos;s answer: %1 is the unit converted from, %2 the unit converted to, %3 their group, as in &quot;inch → centimetre, Length. Enter converts.&quot;</extracomment>
        <translation>%1 → %2, %3. Eingabe rechnet um.</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitsDatabase</name>
    <message>
        <location filename="../ui/language/translated.cpp" line="47"/>
        <source>No units database: %1 was not found</source>
        <extracomment>%1 is the group list file, with its whole path.</extracomment>
        <translation>Keine Einheitendatenbank: %1 wurde nicht gefunden</translation>
    </message>
</context>
</TS>
