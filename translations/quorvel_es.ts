<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="64"/>
        <source>Print the conversion line of a sentence.</source>
        <translation>Muestra la línea de conversión de una frase.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="66"/>
        <source>sentence</source>
        <extracomment>The name of the value of the option --convert in the help.</extracomment>
        <translation>frase</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="67"/>
        <source>With --convert, print only the converted number.</source>
        <translation>Con --convert, muestra solo el número convertido.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="68"/>
        <source>Print the groups, or the units of the group named after it with their symbols.</source>
        <translation>Muestra los grupos, o las unidades del grupo indicado a continuación con sus símbolos.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="70"/>
        <source>Print the units that match the text, with their groups.</source>
        <translation>Muestra las unidades que coinciden con el texto, con sus grupos.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="72"/>
        <source>text</source>
        <extracomment>The name of the value of the option --find in the help.</extracomment>
        <translation>texto</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="77"/>
        <source>Read the units database in this folder (default: Files in the working folder; the launcher gives your own).</source>
        <extracomment>Help of the option --database. Files is the name of a folder and stays as it is; the launcher is the command quorvel, which starts the program in the user&apos;s own folder.</extracomment>
        <translation>Lee la base de datos de unidades de esta carpeta (por omisión: Files en la carpeta de trabajo; el lanzador indica la suya).</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="80"/>
        <source>folder</source>
        <extracomment>The name of the value of the option --database in the help.</extracomment>
        <translation>carpeta</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="81"/>
        <source>Print this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="82"/>
        <source>Print the version.</source>
        <translation>Muestra la versión.</translation>
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
        <translation>Convierte unidades físicas. Sin opciones, abre la ventana.
Las opciones siguientes escriben en el terminal y no necesitan entorno gráfico.

Una frase es un número opcional, una unidad, opcionalmente &quot;to&quot;, &quot;in&quot;, &quot;=&quot; o
&quot;-&gt;&quot;, y la unidad a la que convertir: &quot;12 in to cm&quot;, &quot;100 °F -&gt; °C&quot;, &quot;-40 F C&quot;.
Los números pueden ser fracciones y potencias de diez: &quot;1/2 in to mm&quot;,
&quot;1½ h to min&quot;, &quot;10^6 J to kWh&quot;; las partes de una suma se suman:
&quot;5 ft 10 in to cm&quot;, &quot;1h30m to min&quot;. Las unidades que ningún grupo contiene se
leen como productos, cocientes y potencias de unidades, con prefijos SI:
&quot;3 kWh/day to W&quot;, &quot;20 kWh/100km to Wh/mi&quot;, &quot;1 kg·m/s² to N&quot;, &quot;1 kft to m&quot;;
las magnitudes inversas entre sí se convierten por el recíproco:
&quot;5 min/km to mph&quot;. Sin número, se convierte 1. Los números se escriben como los
escribe la configuración regional (LC_ALL=C: con punto decimal).

Código de salida: 0 hecho; 1 frase, grupo o unidad no entendidos, o valor
rechazado; 2 opciones incorrectas o no hay base de datos de unidades.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="110"/>
        <source>words</source>
        <extracomment>The name of the command&apos;s free arguments in its help: &quot;words&quot; in &quot;[words...]&quot; below.</extracomment>
        <translation>palabras</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="110"/>
        <source>The sentence, group or text, when not quoted.</source>
        <translation>La frase, el grupo o el texto, cuando no va entre comillas.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="112"/>
        <source>[words...]</source>
        <extracomment>How the help writes the free arguments: any number of words.</extracomment>
        <translation>[palabras...]</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="146"/>
        <source>Try &apos;quorvel --help&apos;.</source>
        <extracomment>quorvel --help is a command and stays as it is.</extracomment>
        <translation>Pruebe «quorvel --help».</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="163"/>
        <source>Give --convert, --list or --find (with --database and words alone there is nothing to do).</source>
        <translation>Indique --convert, --list o --find (con --database y palabras solas no hay nada que hacer).</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="165"/>
        <source>Give one of --convert, --list and --find.</source>
        <translation>Indique solo una de las opciones --convert, --list y --find.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="167"/>
        <source>--value goes with --convert.</source>
        <translation>--value va con --convert.</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="193"/>
        <source>&apos;%1&apos; gives no number: a factor is missing, zero or not a number, or the result is out of range</source>
        <extracomment>%1 is the sentence the user typed.</extracomment>
        <translation>«%1» no da ningún número: falta un factor, es cero o no es un número, o el resultado está fuera de rango</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="236"/>
        <source>&apos;%1&apos; is not a group; --list prints the groups</source>
        <extracomment>%1 is what the user gave as the name of a group.</extracomment>
        <translation>«%1» no es un grupo; --list muestra los grupos</translation>
    </message>
    <message>
        <location filename="../ui/commandline/commandline.cpp" line="257"/>
        <source>No unit matches &apos;%1&apos;</source>
        <extracomment>%1 is the text the user looked for.</extracomment>
        <translation>Ninguna unidad coincide con «%1»</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <location filename="../core/conversion.cpp" line="175"/>
        <source>The value cannot be 0 in a reciprocal unit</source>
        <extracomment>A reciprocal unit, such as litre per 100 kilometres against kilometre per litre, converts a value v into k divided by v; the value 0 has no such value.</extracomment>
        <translation>El valor no puede ser 0 en una unidad recíproca</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../core/fileio.h" line="36"/>
        <source>Another copy of Quorvel is changing the units database</source>
        <extracomment>Another running Quorvel (a second window, or the command line) is saving its changes.</extracomment>
        <translation>Otra instancia de Quorvel está modificando la base de datos de unidades</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="141"/>
        <source>The unfinished change recorded in the folder &apos;%1&apos; cannot be read; its files are left as they are</source>
        <extracomment>%1 is the folder of the units database.</extracomment>
        <translation>El cambio sin terminar registrado en la carpeta «%1» no se puede leer; sus archivos se dejan como están</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="228"/>
        <source>The last change of the units database was stopped halfway and cannot be completed now (%1). No change can be saved until it is.</source>
        <extracomment>%1 is the file error that stops it, such as &quot;Cannot write &apos;...&apos;: Permission denied&quot;.</extracomment>
        <translation>El último cambio de la base de datos de unidades se detuvo a medias y no se puede completar ahora (%1). No se podrá guardar ningún cambio hasta que se complete.</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="247"/>
        <source>The record of an interrupted change of the units database could not be read and was set aside as &apos;%1&apos;. Groups that change touched may be half written: check their units, then delete that file.</source>
        <extracomment>%1 is the file the record was moved to.</extracomment>
        <translation>El registro de un cambio interrumpido de la base de datos de unidades no se pudo leer y se guardó aparte como «%1». Los grupos afectados por ese cambio pueden haber quedado escritos a medias: revise sus unidades y después elimine ese archivo.</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="256"/>
        <source>&apos;%1&apos; and &apos;%2&apos;</source>
        <extracomment>The end of a list of files, each between quotes, as in &apos;a&apos;, &apos;b&apos; and &apos;c&apos;: %1 and %2 are its last two files.</extracomment>
        <translation>«%1» y «%2»</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="259"/>
        <source>&apos;%1&apos;, %2</source>
        <extracomment>The beginning of a list of files, each between quotes: %1 is the first file, %2 the list of the files after it.</extracomment>
        <translation>«%1», %2</translation>
    </message>
    <message>
        <location filename="../core/pendingchange.cpp" line="264"/>
        <source>The record of an interrupted change of the units database could not be read and was set aside as %1. Groups that change touched may be half written: check their units, then delete those files.</source>
        <extracomment>%1 is a list of two or more files, such as &apos;a&apos;, &apos;b&apos; and &apos;c&apos;.</extracomment>
        <translation>El registro de un cambio interrumpido de la base de datos de unidades no se pudo leer y se guardó aparte como %1. Los grupos afectados por ese cambio pueden haber quedado escritos a medias: revise sus unidades y después elimine esos archivos.</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="214"/>
        <source>A group name cannot begin or end with a blank or a dot</source>
        <translation>Un nombre de grupo no puede empezar ni terminar con un espacio o un punto</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="218"/>
        <source>A group name cannot hold a line break</source>
        <translation>Un nombre de grupo no puede contener un salto de línea</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="220"/>
        <source>A group name cannot hold the end-of-file character (0x1A)</source>
        <translation>Un nombre de grupo no puede contener el carácter de fin de archivo (0x1A)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="223"/>
        <source>A group name cannot hold a NUL character</source>
        <translation>Un nombre de grupo no puede contener un carácter NUL</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="225"/>
        <source>A group name cannot hold a control character</source>
        <translation>Un nombre de grupo no puede contener un carácter de control</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="228"/>
        <source>A group name cannot hold a mark that changes the direction of text</source>
        <extracomment>Such as the marks that turn Arabic or Hebrew text from right to left.</extracomment>
        <translation>Un nombre de grupo no puede contener una marca que cambie la dirección del texto</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="231"/>
        <source>A group name cannot hold an invisible character</source>
        <translation>Un nombre de grupo no puede contener un carácter invisible</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="234"/>
        <source>A group name cannot hold a blank other than the ordinary space</source>
        <extracomment>Such as a no-break space or a tab.</extracomment>
        <translation>Un nombre de grupo solo admite el espacio normal como espacio en blanco</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="251"/>
        <source>A group name cannot be empty</source>
        <translation>Un nombre de grupo no puede estar vacío</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="254"/>
        <source>A group name cannot hold bytes that are not UTF-8 text</source>
        <translation>Un nombre de grupo no puede contener bytes que no sean texto UTF-8</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="261"/>
        <source>A group name cannot hold the character %1</source>
        <extracomment>%1 is a character that file names cannot hold, such as / or :.</extracomment>
        <translation>Un nombre de grupo no puede contener el carácter %1</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="264"/>
        <source>A group name cannot be a name Windows keeps for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9)</source>
        <translation>Un nombre de grupo no puede ser un nombre que Windows reserva para un dispositivo (CON, PRN, AUX, NUL, de COM1 a COM9, de LPT1 a LPT9)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="272"/>
        <source>A group name can be at most %1 bytes long (its files&apos; names would be too long)</source>
        <extracomment>%1 is a number of bytes (a letter of the Latin alphabet takes one, most others two or more).</extracomment>
        <translation>Un nombre de grupo puede tener como máximo %1 bytes (los nombres de sus archivos serían demasiado largos)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="302"/>
        <source>&apos;%1&apos; cannot name a file</source>
        <extracomment>%1 is a group&apos;s name that holds a / or a NUL character.</extracomment>
        <translation>«%1» no puede ser el nombre de un archivo</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="312"/>
        <source>&apos;%1&apos; has changed since it was read (another copy of Quorvel, or another program, saved it)</source>
        <extracomment>%1 is a file of the units database.</extracomment>
        <translation>«%1» ha cambiado desde que se leyó (lo guardó otra instancia de Quorvel u otro programa)</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="400"/>
        <source>A group named &apos;%1&apos; has files already</source>
        <translation>Un grupo llamado «%1» ya tiene archivos</translation>
    </message>
    <message>
        <location filename="../core/unitsdatabase.cpp" line="414"/>
        <source>A group named &apos;%1&apos; is in the group list already</source>
        <translation>Un grupo llamado «%1» ya está en la lista de grupos</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../core/fileio.cpp" line="138"/>
        <source>&apos;%1&apos; is not a regular file</source>
        <extracomment>%1 is a path that names a folder, a device or another special file instead of a file.</extracomment>
        <translation>«%1» no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="296"/>
        <source>Cannot rename &apos;%1&apos; to &apos;%2&apos;: %3</source>
        <extracomment>%1 is the file, %2 its new name, %3 the operating system&apos;s reason.</extracomment>
        <translation>No se puede cambiar el nombre de «%1» a «%2»: %3</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="52"/>
        <source>Cannot open &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file or folder of the units database, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="55"/>
        <source>Cannot open the folder &apos;%1&apos;: %2</source>
        <extracomment>%1 is a folder, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se puede abrir la carpeta «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="57"/>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="59"/>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="62"/>
        <source>Cannot replace &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file that was to be replaced by its new version, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se puede reemplazar «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="64"/>
        <source>Cannot remove &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se puede eliminar «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="66"/>
        <source>Cannot rename &apos;%1&apos;: %2</source>
        <extracomment>%1 is the file to be renamed, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se puede cambiar el nombre de «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="69"/>
        <source>Cannot rename to &apos;%1&apos;: %2</source>
        <extracomment>%1 is the new name a file was to take, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se puede cambiar el nombre a «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="72"/>
        <source>Cannot flush the folder &apos;%1&apos;: %2</source>
        <extracomment>Writing a folder&apos;s changes to the disk. %1 is a folder, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se pueden escribir en el disco los cambios de la carpeta «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/fileio.h" line="75"/>
        <source>Cannot follow the link &apos;%1&apos;: %2</source>
        <extracomment>%1 is a symbolic link to a file of the units database, %2 the operating system&apos;s reason.</extracomment>
        <translation>No se puede seguir el enlace «%1»: %2</translation>
    </message>
    <message>
        <location filename="../core/textfile.cpp" line="176"/>
        <source>A line for &apos;%1&apos; holds a line end</source>
        <extracomment>%1 is a file of the units database.</extracomment>
        <translation>Una línea para «%1» contiene un fin de línea</translation>
    </message>
</context>
<context>
    <name>Math</name>
    <message>
        <location filename="../calc/errors.h" line="53"/>
        <source>Floating point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <location filename="../calc/errors.h" line="58"/>
        <source>Floating point division by zero</source>
        <translation>División por cero en coma flotante</translation>
    </message>
    <message>
        <location filename="../calc/errors.h" line="63"/>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="22"/>
        <source>Overflow</source>
        <extracomment>The calculator&apos;s message for a result too large (or too close to zero) to hold; it shows with &quot;!&quot; after it, as all the calculator&apos;s messages.</extracomment>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="23"/>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="24"/>
        <source>Invalid value</source>
        <translation>Valor no válido</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="27"/>
        <source>Negativ value</source>
        <extracomment>The calculator&apos;s message for the square root or logarithm of a number below zero (the English spelling without the final e is kept on purpose).</extracomment>
        <translation>Valor negativo</translation>
    </message>
    <message>
        <location filename="../calc/guardedmath.h" line="30"/>
        <source>Angle Magnitude too large</source>
        <extracomment>The tangent or cotangent of an angle too large to reduce to one turn.</extracomment>
        <translation>Ángulo demasiado grande</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <location filename="../calc/calculatormemory.cpp" line="40"/>
        <source>The memory cannot have %1 cells</source>
        <extracomment>%1 is a number of memory cells of the calculator.</extracomment>
        <translation>La memoria no puede tener %1 celdas</translation>
    </message>
    <message>
        <location filename="../calc/calculatormemory.cpp" line="51"/>
        <source>There is no memory cell %1</source>
        <extracomment>%1 is the number of a memory cell of the calculator.</extracomment>
        <translation>No existe la celda de memoria %1</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <location filename="../calc/numbertext.cpp" line="53"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>%1 is the text as it was typed, pasted or read from a factor file.</extracomment>
        <translation>«%1» no es un número de coma flotante válido</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../core/sentence.cpp" line="36"/>
        <source>&apos;%1&apos; is not a unit of %2</source>
        <extracomment>%1 is what the user typed as a unit, %2 the group or groups of units it was looked for in, such as Length or Length or Area.</extracomment>
        <translation>«%1» no es una unidad de %2</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="40"/>
        <source>&apos;%1&apos; is not a unit. Did you mean %2?</source>
        <extracomment>%1 is what the user typed as a unit, %2 the name of the unit whose name or symbol is closest to it (as Fahrenheit&apos;s degree for farenheit).</extracomment>
        <translation>«%1» no es una unidad. ¿Quería decir %2?</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="44"/>
        <source>&apos;%1&apos; is not a unit of %2. Did you mean %3?</source>
        <extracomment>%1 is what the user typed as a unit, %2 the group or groups of units it was looked for in (Length or Area), %3 the name of the unit of those groups closest to it.</extracomment>
        <translation>«%1» no es una unidad de %2. ¿Quería decir %3?</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="363"/>
        <source>%1 or %2</source>
        <extracomment>Two or more names of groups of units, one of which is meant: &quot;Length or Area&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="497"/>
        <source>&apos;%1&apos; may mean %2 or %3: mind the capitals</source>
        <extracomment>%1 is what the user typed, %2 and %3 the names of two units it may mean, which differ in capital letters only (as mA and MA).</extracomment>
        <translation>«%1» puede significar %2 o %3: fíjese en las mayúsculas</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="569"/>
        <source>&apos;%1&apos; fits %2: write the units in full</source>
        <extracomment>%1 is the sentence the user typed, %2 the groups of units it fits.</extracomment>
        <translation>«%1» corresponde a %2: escriba las unidades completas</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="573"/>
        <location filename="../core/sentence.cpp" line="610"/>
        <source>&apos;%1&apos; fits several units: write the units in full</source>
        <extracomment>%1 is the sentence the user typed.</extracomment>
        <translation>«%1» corresponde a varias unidades: escriba las unidades completas</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="641"/>
        <source>&apos;%1&apos; is %2 and &apos;%3&apos; %4: they do not convert</source>
        <extracomment>%1 and %3 are units the user typed, %2 and %4 what they measure (&quot;a mass&quot;, &quot;a force&quot;), as in: &apos;kg&apos; is a mass and &apos;N&apos; a force: they do not convert.</extracomment>
        <translation>«%1» es %2 y «%3» %4: no se convierten entre sí</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="679"/>
        <source>Temperatures do not add up: convert one at a time</source>
        <extracomment>The user typed a sum of temperatures, as in 20 °C 5 K to °F.</extracomment>
        <translation>Las temperaturas no se suman: convierta de una en una</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="684"/>
        <source>Reciprocal units do not add up: convert one at a time</source>
        <extracomment>The user typed a sum that would convert by a reciprocal, as in 5 L/100km 3 L/100km to mpg: litres per 100 km are the reciprocal of miles per gallon.</extracomment>
        <translation>Las unidades recíprocas no se suman: convierta de una en una</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="689"/>
        <source>&apos;%1&apos; is a temperature, which converts alone and not in a product: type, for example, %2</source>
        <extracomment>%1 is a temperature unit the user typed inside a product or quotient of units, as °C in J/(kg·°C); %2 an example of a temperature conversion (100 °F to °C), kept as it is.</extracomment>
        <translation>«%1» es una temperatura, que se convierte sola y no dentro de un producto: escriba, por ejemplo, %2</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="733"/>
        <source>Add the unit to convert to, as in %1</source>
        <extracomment>%1 is an example of a conversion as the user types it: 12 in to cm. It stays as it is, since conversions are typed with English words.</extracomment>
        <translation>Agregue la unidad a la que convertir, como en %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="737"/>
        <source>Type a unit, or a conversion such as %1</source>
        <extracomment>%1 is an example of a conversion as the user types it (12 in to cm), kept as it is.</extracomment>
        <translation>Escriba una unidad o una conversión como %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="740"/>
        <source>The sentence is too long</source>
        <translation>La frase es demasiado larga</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="744"/>
        <source>&apos;%1&apos; is not a number</source>
        <extracomment>%1 is what the user typed where a number was expected.</extracomment>
        <translation>«%1» no es un número</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="751"/>
        <source>Add the units, as in %1</source>
        <extracomment>%1 is an example of a conversion as the user types it (12 in to cm), kept as it is.</extracomment>
        <translation>Agregue las unidades, como en %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="759"/>
        <source>Add the unit to convert from, as in %1</source>
        <extracomment>%1 is an example of a conversion as the user types it (12 in to cm), kept as is.</extracomment>
        <translation>Agregue la unidad desde la que convertir, como en %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="721"/>
        <source>&apos;%1&apos; is not a unit</source>
        <extracomment>%1 is what the user typed as a unit.</extracomment>
        <translation>«%1» no es una unidad</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="782"/>
        <source>&apos;%1&apos; needs a unit</source>
        <extracomment>%1 is a number the user typed without a unit after it.</extracomment>
        <translation>«%1» necesita una unidad</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="788"/>
        <source>Give each unit its number, as in %1</source>
        <extracomment>%1 is an example of a sum as the user types it (5 ft 10 in to cm), kept as it is.</extracomment>
        <translation>Dé a cada unidad su número, como en %1</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="799"/>
        <source>&apos;%1&apos; is not understood</source>
        <extracomment>%1 is what the user typed as the unit to convert to.</extracomment>
        <translation>No se entiende «%1»</translation>
    </message>
    <message>
        <location filename="../core/sentence.cpp" line="806"/>
        <source>&apos;%1&apos; is not understood: type, for example, %2</source>
        <extracomment>%1 is the sentence the user typed, %2 an example of a conversion (12 in to cm), kept as it is.</extracomment>
        <translation>No se entiende «%1»: escriba, por ejemplo, %2</translation>
    </message>
    <message>
        <location filename="../core/converter.cpp" line="80"/>
        <source>&apos;%1&apos; is no longer a unit of %2</source>
        <extracomment>%1 is a unit&apos;s name, %2 its group: the group&apos;s files changed after the search read them.</extracomment>
        <translation>«%1» ya no es una unidad de %2</translation>
    </message>
    <message>
        <location filename="../core/unitexpression.cpp" line="742"/>
        <source>an %1</source>
        <extracomment>What a unit measures, with the article &quot;an&quot;: %1 is the name of its group of units in small letters (energy, area), which stays in English as the groups&apos; names do.</extracomment>
        <translation>una magnitud del grupo %1</translation>
    </message>
    <message>
        <location filename="../core/unitexpression.cpp" line="745"/>
        <source>a %1</source>
        <extracomment>What a unit measures, with the article &quot;a&quot;: %1 is the name of its group of units in small letters (mass, force), which stays in English as the groups&apos; names do.</extracomment>
        <translation>una magnitud del grupo %1</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <location filename="../core/fileio.cpp" line="143"/>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="144"/>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="145"/>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="146"/>
        <source>File exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="147"/>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="148"/>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="149"/>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="150"/>
        <source>Disk quota exceeded</source>
        <translation>Se ha superado la cuota de disco</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="151"/>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="152"/>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="153"/>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="154"/>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="156"/>
        <source>Too many levels of symbolic links</source>
        <extracomment>A symbolic link that leads to itself, or through too many others.</extracomment>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="157"/>
        <source>Device or resource busy</source>
        <translation>Dispositivo o recurso ocupado</translation>
    </message>
    <message>
        <location filename="../core/fileio.cpp" line="159"/>
        <source>Invalid cross-device link</source>
        <extracomment>A file cannot be moved to another disk by a rename.</extracomment>
        <translation>Enlace entre dispositivos no válido</translation>
    </message>
</context>
<context>
    <name>Temperature</name>
    <message>
        <location filename="../core/conversion.cpp" line="35"/>
        <source>The temperature in Kelvin&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, 0 here. The two blanks before it and the blank before the &quot;!&quot; are the English message&apos;s own; use your language&apos;s usual spacing.</extracomment>
        <translation>¡La temperatura en kelvin no puede ser inferior a %1!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="41"/>
        <source>The temperature in Fahrenheit&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, -459.67. See the Kelvin message for the blanks.</extracomment>
        <translation>¡La temperatura en grados Fahrenheit no puede ser inferior a %1!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="47"/>
        <source>The temperature in Reaumur&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, -218.52. See the Kelvin message for the blanks.</extracomment>
        <translation>¡La temperatura en grados Réaumur no puede ser inferior a %1!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="54"/>
        <source>The temperature in Rankin&apos;s degrees cannot be lower than  %1 !</source>
        <extracomment>The Rankine scale (spelt Rankin in the unit&apos;s name). %1 is its lowest temperature, 0. See the Kelvin message for the blanks.</extracomment>
        <translation>¡La temperatura en grados Rankine no puede ser inferior a %1!</translation>
    </message>
    <message>
        <location filename="../core/conversion.cpp" line="60"/>
        <source>The temperature in Celsius&apos; degrees cannot be lower than  %1 !</source>
        <extracomment>%1 is the lowest temperature of the scale, -273.15. See the Kelvin message for the blanks.</extracomment>
        <translation>¡La temperatura en grados Celsius no puede ser inferior a %1!</translation>
    </message>
</context>
<context>
    <name>quorvel::AboutDialog</name>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="89"/>
        <source>version %1</source>
        <extracomment>A line of the scrolling credits: %1 is the version number.</extracomment>
        <translation>versión %1</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="92"/>
        <source>Units converter
and scientific calculator</source>
        <extracomment>Lines of the scrolling credits, about 30 characters each, broken with 
.</extracomment>
        <translation>Conversor de unidades
y calculadora científica</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="95"/>
        <source>Units data from the SI Brochure,
NIST SP 811, CODATA 2022
and the 1959 yard and pound agreement</source>
        <extracomment>Lines of the scrolling credits, about 30 characters each, broken with 
. The names of the sources stay as they are.</extracomment>
        <translation>Datos de unidades del folleto
del SI, NIST SP 811,
CODATA 2022 y el acuerdo
de 1959 sobre la yarda
y la libra</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="99"/>
        <source>Built with Qt</source>
        <extracomment>A line of the scrolling credits; Qt is the name of the toolkit.</extracomment>
        <translation>Creado con Qt</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="101"/>
        <source>Thanks to everyone who sent us
a unit we did not have yet</source>
        <extracomment>Lines of the scrolling credits, about 30 characters each, broken with 
.</extracomment>
        <translation>Gracias a todos los que
nos enviaron una unidad
que aún no teníamos</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="111"/>
        <source>About</source>
        <extracomment>Title of the About box.</extracomment>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="124"/>
        <source>Credits</source>
        <extracomment>The panel of scrolling credits, as screen readers name it.</extracomment>
        <translation>Créditos</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="132"/>
        <source>&amp;OK</source>
        <extracomment>Closes the About box.</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location filename="../ui/help/aboutdialog.cpp" line="136"/>
        <source>The manual is in English.</source>
        <extracomment>Tells that the manual (Help) is written in English only. Shown in every language.</extracomment>
        <translation>El manual está en inglés.</translation>
    </message>
</context>
<context>
    <name>quorvel::Application</name>
    <message>
        <location filename="../ui/app/application.cpp" line="28"/>
        <source>Unknown error</source>
        <extracomment>An error of no known kind reached the calculator&apos;s error balloon.</extracomment>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>quorvel::CalculatorWindow</name>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="29"/>
        <source>Key: %1</source>
        <extracomment>What screen readers say of the key that presses a calculator button: %1 is the key.</extracomment>
        <translation>Tecla: %1</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="31"/>
        <source>Key: %1 or %2</source>
        <extracomment>What screen readers say of the two keys that press a calculator button, as &quot;= or Enter&quot;.</extracomment>
        <translation>Tecla: %1 o %2</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindow.cpp" line="59"/>
        <source>Scientific Calculator</source>
        <extracomment>Title of the calculator window.</extracomment>
        <translation>Calculadora científica</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindow.cpp" line="305"/>
        <source>%1!</source>
        <extracomment>An error in the calculator&apos;s balloon: %1 is the message (&quot;Division by zero&quot;), closed by an exclamation mark as your language writes one.</extracomment>
        <translation>¡%1!</translation>
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
        <translation>Ángulos en radianes</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="64"/>
        <source>Deg</source>
        <extracomment>Angle unit degree (a quarter turn is 90), caption of a radio button in a narrow row.</extracomment>
        <translation>Grados</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="64"/>
        <source>Angles in degrees</source>
        <translation>Ángulos en grados</translation>
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
        <translation>Ángulos en gradianes</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="70"/>
        <source>Cycle</source>
        <extracomment>Angle unit of whole turns (a quarter turn is 0.25), caption of a radio button in a narrow row.</extracomment>
        <translation>Ciclo</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="70"/>
        <source>Angles in turns</source>
        <translation>Ángulos en vueltas</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="132"/>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="159"/>
        <source>Display</source>
        <extracomment>The calculator&apos;s display, as screen readers name it.</extracomment>
        <translation>Pantalla</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="134"/>
        <source>Digital display</source>
        <extracomment>Hint of the calculator&apos;s display.</extracomment>
        <translation>Pantalla digital</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="146"/>
        <source>Operation sign %1</source>
        <extracomment>What screen readers say of the small panel at the left of the display: %1 is the sign of the last operation (+, ×).</extracomment>
        <translation>Signo de operación %1</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="152"/>
        <source>Sign of the current operation</source>
        <extracomment>Hint of the small panel at the left of the display that shows the last operation&apos;s sign.</extracomment>
        <translation>Signo de la operación en curso</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="195"/>
        <source>Memory cell %1</source>
        <extracomment>A memory cell&apos;s button, as screen readers name it: %1 is its number, 1 to 10.</extracomment>
        <translation>Celda de memoria %1</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="203"/>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="214"/>
        <source>Memory</source>
        <extracomment>The row of memory cells, as screen readers name it.</extracomment>
        <translation>Memoria</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="207"/>
        <source>Memory cell value</source>
        <extracomment>The display of the memory cell&apos;s value, as screen readers name it.</extracomment>
        <translation>Valor de la celda de memoria</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="223"/>
        <source>&amp;Submit</source>
        <extracomment>Hands the result to the main window and closes. Do not mark R: Alt+R is the 1/x key.</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="225"/>
        <source>&amp;Close</source>
        <extracomment>Do not mark R: Alt+R is the 1/x key.</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorwindowlayout.cpp" line="227"/>
        <source>&amp;Help</source>
        <extracomment>Do not mark R: Alt+R is the 1/x key.</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="10"/>
        <source>Zero</source>
        <extracomment>Names of the calculator keys as screen readers say them: the 0 key.</extracomment>
        <translation>Cero</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="11"/>
        <source>One</source>
        <translation>Uno</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="12"/>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="13"/>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="14"/>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="15"/>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="16"/>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="17"/>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="18"/>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="19"/>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="21"/>
        <source>Decimal separator</source>
        <extracomment>The key that types the decimal comma or point, as screen readers name it.</extracomment>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="23"/>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="25"/>
        <source>Minus</source>
        <translation>Menos</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="28"/>
        <source>Multiply</source>
        <extracomment>The × key, as screen readers name it.</extracomment>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="31"/>
        <source>Divide</source>
        <extracomment>The / key, as screen readers name it.</extracomment>
        <translation>Dividir</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="34"/>
        <source>Equals</source>
        <extracomment>The = key, as screen readers name it.</extracomment>
        <translation>Igual</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="36"/>
        <source>Square root</source>
        <translation>Raíz cuadrada</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="39"/>
        <source>Percent</source>
        <extracomment>The % key, as screen readers name it.</extracomment>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="42"/>
        <source>Reciprocal</source>
        <extracomment>The 1/x key, as screen readers name it.</extracomment>
        <translation>Inverso</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="45"/>
        <source>Change sign</source>
        <extracomment>The +/- key, as screen readers name it.</extracomment>
        <translation>Cambiar signo</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="48"/>
        <source>Clear</source>
        <extracomment>The C key, which clears the calculation, as screen readers name it.</extracomment>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="51"/>
        <source>Clear entry</source>
        <extracomment>The CE key, which clears the number being typed, as screen readers name it.</extracomment>
        <translation>Borrar entrada</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="56"/>
        <source>BACK</source>
        <extracomment>Caption of the calculator key that deletes the last digit typed (at most 5 letters, in capitals like the other key captions).</extracomment>
        <translation>RETR</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="58"/>
        <source>Backspace</source>
        <extracomment>The BACK key, which deletes the last digit typed, as screen readers name it.</extracomment>
        <translation>Retroceso</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="60"/>
        <source>Memory add</source>
        <extracomment>The M+ key, which adds the display to the memory cell, as screen readers name it.</extracomment>
        <translation>Sumar a la memoria</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="63"/>
        <source>Memory subtract</source>
        <extracomment>The M- key, which subtracts the display from the memory cell, as screen readers name it.</extracomment>
        <translation>Restar de la memoria</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="66"/>
        <source>Memory recall</source>
        <extracomment>The MR key, which shows the memory cell, as screen readers name it.</extracomment>
        <translation>Recuperar memoria</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="69"/>
        <source>Memory clear</source>
        <extracomment>The MC key, which clears the memory cell, as screen readers name it.</extracomment>
        <translation>Borrar memoria</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="77"/>
        <source>Sin</source>
        <extracomment>Caption of the sine function&apos;s key (keys are about 4 letters wide).</extracomment>
        <translation>sen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="79"/>
        <source>Sine</source>
        <extracomment>Hints of the function keys name the function in full: the sine.</extracomment>
        <translation>Seno</translation>
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
        <translation>Coseno</translation>
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
        <translation>cot</translation>
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
        <translation>Secante</translation>
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
        <translation>Cosecante</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="97"/>
        <source>Sh</source>
        <extracomment>Caption of the hyperbolic sine&apos;s key (elsewhere written sinh).</extracomment>
        <translation>senh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="98"/>
        <source>Hyperbolic sine</source>
        <translation>Seno hiperbólico</translation>
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
        <translation>Coseno hiperbólico</translation>
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
        <translation>Tangente hiperbólica</translation>
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
        <translation>Cotangente hiperbólica</translation>
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
        <translation>Secante hiperbólica</translation>
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
        <translation>Cosecante hiperbólica</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="118"/>
        <source>ArcSin</source>
        <extracomment>Caption of the inverse sine&apos;s key (elsewhere written arcsin or asin).</extracomment>
        <translation>arcsen</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="119"/>
        <source>Inverse sine</source>
        <translation>Arcoseno</translation>
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
        <translation>Arcocoseno</translation>
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
        <translation>Arcotangente</translation>
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
        <translation>Arcocotangente</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="130"/>
        <source>Square</source>
        <extracomment>Hint of the x² key: the number squared.</extracomment>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="133"/>
        <source>Cube</source>
        <extracomment>Hint of the x³ key: the number to the third power.</extracomment>
        <translation>Cubo</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="137"/>
        <source>ArSh</source>
        <extracomment>Caption of the inverse hyperbolic sine&apos;s key (elsewhere written arsinh).</extracomment>
        <translation>arsenh</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="138"/>
        <source>Inverse hyperbolic sine</source>
        <translation>Seno hiperbólico inverso</translation>
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
        <translation>Coseno hiperbólico inverso</translation>
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
        <translation>Tangente hiperbólica inversa</translation>
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
        <translation>Cotangente hiperbólica inversa</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="153"/>
        <source>Cube root</source>
        <extracomment>Hint of the key of the cube root.</extracomment>
        <translation>Raíz cúbica</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="156"/>
        <source>Custom base power</source>
        <extracomment>The key of x to the power y.</extracomment>
        <translation>x elevado a y</translation>
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
        <translation>Logaritmo natural</translation>
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
        <translation>Logaritmo decimal</translation>
    </message>
    <message>
        <location filename="../ui/calculator/calculatorkeys.cpp" line="167"/>
        <source>Custom base logarithm</source>
        <extracomment>The key of the logarithm of x to the base y.</extracomment>
        <translation>Logaritmo de x en base y</translation>
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
        <translation>Factorial</translation>
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
        <translation>Número π</translation>
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
        <translation>Función exponencial</translation>
    </message>
</context>
<context>
    <name>quorvel::ConfirmDeleteDialog</name>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="23"/>
        <source>Confirm Deleting</source>
        <extracomment>Title of the dialog that asks before a unit is deleted.</extracomment>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="31"/>
        <source>Do you really want to delete this item?</source>
        <translation>¿Seguro que desea eliminar este elemento?</translation>
    </message>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="54"/>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <location filename="../ui/database/confirmdeletedialog.cpp" line="55"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>quorvel::ErrorBalloon</name>
    <message>
        <location filename="../ui/shared/balloon.cpp" line="232"/>
        <source>An error hint needs a control</source>
        <translation>Un aviso de error necesita un control</translation>
    </message>
</context>
<context>
    <name>quorvel::GroupColumn</name>
    <message>
        <location filename="../ui/converter/groupcolumn.cpp" line="30"/>
        <source>Group %1</source>
        <extracomment>A group button without a group, as screen readers name it: %1 is its place, 1 to 23.</extracomment>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <location filename="../ui/converter/groupcolumn.cpp" line="39"/>
        <source>Groups</source>
        <extracomment>The column of group buttons, as screen readers name it.</extracomment>
        <translation>Grupos</translation>
    </message>
    <message>
        <location filename="../ui/converter/groupcolumn.cpp" line="82"/>
        <source>More groups</source>
        <extracomment>Submenu of the Units menu with the groups that have no button, past the 23rd.</extracomment>
        <translation>Más grupos</translation>
    </message>
</context>
<context>
    <name>quorvel::GroupNameDialog</name>
    <message>
        <location filename="../ui/database/groupnamedialog.cpp" line="24"/>
        <source>Edit Group</source>
        <extracomment>Title of the dialog that renames a group.</extracomment>
        <translation>Editar grupo</translation>
    </message>
    <message>
        <location filename="../ui/database/groupnamedialog.cpp" line="30"/>
        <source>Name of the group</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <location filename="../ui/database/groupnamedialog.cpp" line="32"/>
        <source>Edit the name of the group</source>
        <translation>Editar el nombre del grupo</translation>
    </message>
</context>
<context>
    <name>quorvel::HelpWindow</name>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="111"/>
        <source>Quorvel Help</source>
        <extracomment>Title of the window of the manual. The manual itself is in English.</extracomment>
        <translation>Ayuda de Quorvel</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="118"/>
        <source>Table of contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="141"/>
        <source>Back</source>
        <extracomment>Goes back to the page shown before.</extracomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="144"/>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <location filename="../ui/help/helpviewer.cpp" line="148"/>
        <source>Contents</source>
        <extracomment>Goes to the manual&apos;s first page, its table of contents.</extracomment>
        <translation>Contenido</translation>
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
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="34"/>
        <source>&amp;Copy</source>
        <extracomment>Copies the value to the clipboard.</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="37"/>
        <source>&amp;Paste</source>
        <extracomment>Takes a value from the number on the clipboard.</extracomment>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="41"/>
        <source>P&amp;references</source>
        <extracomment>Opens the window where the user edits the groups and units.</extracomment>
        <translation>P&amp;referencias</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="44"/>
        <source>&amp;Tools</source>
        <extracomment>Menu of the main window.</extracomment>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="46"/>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculadora</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="48"/>
        <source>&amp;Report</source>
        <extracomment>Opens the report of the conversions made.</extracomment>
        <translation>&amp;Informe</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="51"/>
        <source>&amp;Units</source>
        <extracomment>Menu of the main window; its items are the groups of units (Length, Mass, ...).</extracomment>
        <translation>U&amp;nidades</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="57"/>
        <source>&amp;Help</source>
        <extracomment>Menu of the main window.</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="60"/>
        <source>&amp;Contents</source>
        <extracomment>Opens the manual at its table of contents.</extracomment>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="63"/>
        <source>&amp;Home Page</source>
        <extracomment>Opens the program&apos;s web site.</extracomment>
        <translation>&amp;Sitio web</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="66"/>
        <source>&amp;About</source>
        <extracomment>Opens the About box of the program.</extracomment>
        <translation>&amp;Acerca de Quorvel</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="102"/>
        <source>Copy</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="104"/>
        <source>Paste</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Pegar</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="106"/>
        <source>Preferences</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Preferencias</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="109"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="146"/>
        <source>Calculator</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Calculadora</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="111"/>
        <source>Open calculator</source>
        <extracomment>The calculator tool button, as screen readers name it.</extracomment>
        <translation>Abrir la calculadora</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="113"/>
        <source>Report</source>
        <extracomment>Hint of a tool button that opens the report of the conversions made.</extracomment>
        <translation>Informe</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="116"/>
        <source>Help</source>
        <extracomment>Hint of a tool button.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="129"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="136"/>
        <source>Value</source>
        <extracomment>The value being converted, as screen readers name it.</extracomment>
        <translation>Valor</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="148"/>
        <source>Calculate with the value</source>
        <extracomment>The small calculator button beside the value, as screen readers name it.</extracomment>
        <translation>Calcular con el valor</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="167"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="243"/>
        <source>Upper unit</source>
        <extracomment>Label of the unit picker above the arrow buttons.</extracomment>
        <translation>Unidad superior</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="172"/>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="243"/>
        <source>Lower unit</source>
        <extracomment>Label of the unit picker below the arrow buttons.</extracomment>
        <translation>Unidad inferior</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="180"/>
        <source>List of units</source>
        <extracomment>Hint of the button beside a unit picker that opens the list of the group&apos;s units.</extracomment>
        <translation>Lista de unidades</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="187"/>
        <source>Upper unit list</source>
        <extracomment>The button that opens the units list for the upper picker, as screen readers name it.</extracomment>
        <translation>Lista de la unidad superior</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="189"/>
        <source>Lower unit list</source>
        <extracomment>The button that opens the units list for the lower picker, as screen readers name it.</extracomment>
        <translation>Lista de la unidad inferior</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="206"/>
        <source>Convert to the upper unit</source>
        <extracomment>The up arrow button, as screen readers name it.</extracomment>
        <translation>Convertir a la unidad superior</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="209"/>
        <source>Convert to the lower unit</source>
        <extracomment>The down arrow button, as screen readers name it.</extracomment>
        <translation>Convertir a la unidad inferior</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="259"/>
        <source>Status</source>
        <extracomment>The status bar, as screen readers name it.</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindowlayout.cpp" line="283"/>
        <source>Group</source>
        <extracomment>The status bar&apos;s first panel before a group is loaded; it shows the group&apos;s name then.</extracomment>
        <translation>Grupo</translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindow.cpp" line="209"/>
        <source>The units of &apos;%1&apos; cannot be read. %2</source>
        <extracomment>%1 is the name of a group, %2 the reason, such as a file that cannot be read.</extracomment>
        <translation>No se pueden leer las unidades de «%1». %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/converter/mainwindow.cpp" line="216"/>
        <source>%n of the %1 units of &apos;%2&apos; have no positive number as factor and do not convert.</source>
        <extracomment>%n is the number of units that do not convert, %1 the number of all the group&apos;s units, %2 the group&apos;s name.</extracomment>
        <translation>
            <numerusform>%n de las %1 unidades de «%2» no tiene un número positivo como factor y no se convierte.</numerusform>
            <numerusform>%n de las %1 unidades de «%2» no tienen un número positivo como factor y no se convierten.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/converter/mainwindow.cpp" line="292"/>
        <source>Value %1</source>
        <extracomment>What screen readers say of a new value: %1 is the number.</extracomment>
        <translation>Valor %1</translation>
    </message>
</context>
<context>
    <name>quorvel::NumberInputDialog</name>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="64"/>
        <source>Input Number</source>
        <extracomment>Title of the dialog where the user types the value as a mantissa and a power of ten.</extracomment>
        <translation>Introducir número</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="84"/>
        <source>Preview in natural style</source>
        <extracomment>Frame around the number as it will be handed back, written out in full.</extracomment>
        <translation>Vista previa en notación natural</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="97"/>
        <source>Preview</source>
        <extracomment>The number as it will be handed back, as screen readers name it.</extracomment>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="104"/>
        <source>Input mantissa and exponent separately</source>
        <extracomment>Frame around the mantissa edit, &quot;× 10&quot; and the exponent edit.</extracomment>
        <translation>Introducir mantisa y exponente por separado</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="110"/>
        <source>Mantissa</source>
        <translation>Mantisa</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="129"/>
        <source>Exponent</source>
        <extracomment>The power of ten, as screen readers name its edit.</extracomment>
        <translation>Exponente</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="150"/>
        <source>&amp;Submit</source>
        <extracomment>Hands the number to the main window and closes.</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="151"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../ui/converter/numberinputdialog.cpp" line="152"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
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
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location filename="../ui/database/editorparts.cpp" line="33"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../ui/database/editorparts.cpp" line="34"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="76"/>
        <source>Preferences</source>
        <extracomment>Title of the window where the user edits the groups and units.</extracomment>
        <translation>Preferencias</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="84"/>
        <source>Pages</source>
        <extracomment>The two pages of the preferences window, as screen readers name them.</extracomment>
        <translation>Páginas</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="88"/>
        <source>&amp;Groups</source>
        <extracomment>The page where the groups are renamed and reordered.</extracomment>
        <translation>Gru&amp;pos</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="90"/>
        <source>U&amp;nits</source>
        <extracomment>The page where a group&apos;s units and their factors are edited.</extracomment>
        <translation>U&amp;nidades</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="112"/>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="116"/>
        <source>Group list</source>
        <translation>Lista de grupos</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="121"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="179"/>
        <source>&amp;Edit</source>
        <extracomment>Renames the selected group.</extracomment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="123"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="182"/>
        <source>&amp;Up</source>
        <extracomment>Moves the selected item one place up.</extracomment>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="125"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="183"/>
        <source>&amp;Down</source>
        <extracomment>Moves the selected item one place down.</extracomment>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="126"/>
        <source>Edit the group&apos;s name</source>
        <translation>Editar el nombre del grupo</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="127"/>
        <source>Move the group up</source>
        <translation>Mover el grupo hacia arriba</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="128"/>
        <source>Move the group down</source>
        <translation>Mover el grupo hacia abajo</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="146"/>
        <location filename="../ui/database/preferencesdialog.cpp" line="159"/>
        <source>Units</source>
        <extracomment>Heading of the table&apos;s column of unit names.</extracomment>
        <translation>Unidades</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="151"/>
        <source>Group</source>
        <extracomment>The picker of the group whose units are shown, as screen readers name it.</extracomment>
        <translation>Grupo</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="157"/>
        <source>Units and their factors</source>
        <translation>Unidades y sus factores</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="161"/>
        <source>Factors</source>
        <extracomment>Heading of the table&apos;s column of factors (how many base units one unit makes).</extracomment>
        <translation>Factores</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="180"/>
        <source>&amp;Add</source>
        <translation>&amp;Agregar</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="181"/>
        <source>De&amp;lete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="184"/>
        <source>Edit the unit</source>
        <translation>Editar la unidad</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="185"/>
        <source>Add a unit</source>
        <translation>Agregar una unidad</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="186"/>
        <source>Delete the unit</source>
        <translation>Eliminar la unidad</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="187"/>
        <source>Move the unit up</source>
        <translation>Mover la unidad hacia arriba</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="188"/>
        <source>Move the unit down</source>
        <translation>Mover la unidad hacia abajo</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="201"/>
        <source>G&amp;roup:</source>
        <extracomment>Label of the picker of the group whose units are shown.</extracomment>
        <translation>G&amp;rupo:</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="242"/>
        <source>The group list could not be read and is left as it is on disk. %1</source>
        <extracomment>%1 is the reason, such as a file that cannot be read.</extracomment>
        <translation>No se pudo leer la lista de grupos y se deja como está en el disco. %1</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="266"/>
        <source>The units of &apos;%1&apos; were not saved and are still shown. %2</source>
        <extracomment>%1 is the name of a group, %2 the reason, such as a file that cannot be written.</extracomment>
        <translation>Las unidades de «%1» no se guardaron y se siguen mostrando. %2</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="285"/>
        <source>The group &apos;%1&apos; could not be read and is left as it is on disk. %2</source>
        <extracomment>%1 is the name of a group, %2 the reason, such as a file that cannot be read.</extracomment>
        <translation>No se pudo leer el grupo «%1» y se deja como está en el disco. %2</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="359"/>
        <source>Nothing was saved: %1. The window now shows the units database as it is; make your changes again.</source>
        <extracomment>%1 is the reason, such as &quot;&apos;Files/Length.uns&apos; has changed since it was read (...)&quot;.</extracomment>
        <translation>No se guardó nada: %1. La ventana muestra ahora la base de datos de unidades tal como está; vuelva a hacer sus cambios.</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="384"/>
        <source>You must not edit &apos;Temperature&apos; group!</source>
        <extracomment>Temperature is the name of the group, which stays as it is in the group list.</extracomment>
        <translation>¡El grupo «Temperature» no se puede editar!</translation>
    </message>
    <message>
        <location filename="../ui/database/preferencesdialog.cpp" line="435"/>
        <source>Nothing was saved. %1</source>
        <extracomment>%1 is the reason, such as a file that cannot be written.</extracomment>
        <translation>No se guardó nada. %1</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportDialog</name>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="106"/>
        <source>No default printer is set up</source>
        <translation>No hay ninguna impresora predeterminada configurada</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="175"/>
        <source>no reason given</source>
        <extracomment>What the message of a printing failure says when the printing system gives no reason.</extracomment>
        <translation>no se indicó el motivo</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="191"/>
        <source>The printer %1 refuses new jobs (%2). Let it accept jobs again in the printer settings (cupsaccept %1) and print again</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the printing system gives; cupsaccept is a command and stays as it is.</extracomment>
        <translation>La impresora %1 rechaza trabajos nuevos (%2). Permita que vuelva a aceptar trabajos en la configuración de impresoras (cupsaccept %1) e imprima de nuevo</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="199"/>
        <source>The printer %1 is stopped (%2). Resume it in the printer settings (cupsenable %1) and print again</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the printing system gives; cupsenable is a command and stays as it is.</extracomment>
        <translation>La impresora %1 está detenida (%2). Reanúdela en la configuración de impresoras (cupsenable %1) e imprima de nuevo</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="242"/>
        <source>The printer %1 refused the print job: %2</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the printing system gives.</extracomment>
        <translation>La impresora %1 rechazó el trabajo de impresión: %2</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="264"/>
        <source>The print job %1 on the printer %2 was cancelled (%3)</source>
        <extracomment>%1 is the job&apos;s number, %2 the printer&apos;s name, %3 the reason the printing system gives.</extracomment>
        <translation>El trabajo de impresión %1 en la impresora %2 se canceló (%3)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="268"/>
        <source>The print job %1 on the printer %2 was aborted (%3)</source>
        <extracomment>%1 is the job&apos;s number, %2 the printer&apos;s name, %3 the reason the printing system gives.</extracomment>
        <translation>El trabajo de impresión %1 en la impresora %2 se interrumpió (%3)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="321"/>
        <source>The printer %1 could not start the print job</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La impresora %1 no pudo iniciar el trabajo de impresión</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="348"/>
        <source>The print job on the printer %1 failed</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Falló el trabajo de impresión en la impresora %1</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="358"/>
        <location filename="../ui/report/reportdialog.cpp" line="364"/>
        <source>Report</source>
        <extracomment>Title of the window that holds the record of the conversions made.</extracomment>
        <translation>Informe</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="376"/>
        <source>&amp;Save...</source>
        <extracomment>Saves the report as a text file; asks for the file first.</extracomment>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="379"/>
        <source>Save the report as a text file (%1)</source>
        <extracomment>%1 is the shortcut key.</extracomment>
        <translation>Guardar el informe como archivo de texto (%1)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="385"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="387"/>
        <source>&amp;Print</source>
        <extracomment>Prints the report on the default printer at once, without a dialog.</extracomment>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="390"/>
        <source>C&amp;lear</source>
        <extracomment>Empties the report.</extracomment>
        <translation>&amp;Limpiar</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="391"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="392"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="425"/>
        <source>No temporary folder for the print job: %1</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>No hay carpeta temporal para el trabajo de impresión: %1</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="442"/>
        <source>Save Report</source>
        <extracomment>Title of the dialog that asks where to save the report.</extracomment>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="444"/>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>The kinds of file the dialog offers.</extracomment>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../ui/report/reportdialog.cpp" line="457"/>
        <source>The report could not be saved. %1</source>
        <extracomment>%1 is the reason, such as a file that cannot be written.</extracomment>
        <translation>No se pudo guardar el informe. %1</translation>
    </message>
    <message>
        <location filename="../ui/report/cupsclient.cpp" line="19"/>
        <source>The printing library %1 has no function %2</source>
        <extracomment>%1 is the file of the CUPS client library, %2 the name of a function it lacks.</extracomment>
        <translation>La biblioteca de impresión %1 no tiene la función %2</translation>
    </message>
    <message>
        <location filename="../ui/report/cupsclient.cpp" line="26"/>
        <source>The printing library could not be opened: %1</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>No se pudo abrir la biblioteca de impresión: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::SplashPicture</name>
    <message>
        <location filename="../widgets/icons.cpp" line="321"/>
        <source>Units converter and scientific calculator</source>
        <extracomment>The line under the program&apos;s name on the splash picture (303 pixels wide; a longer line is drawn smaller).</extracomment>
        <translation>Conversor de unidades y calculadora científica</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitEditDialog</name>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="51"/>
        <source>A unit&apos;s name cannot hold a line break</source>
        <extracomment>Refusal of a unit&apos;s name that holds a line break, which would split the file&apos;s line.</extracomment>
        <translation>El nombre de una unidad no puede contener un salto de línea</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="54"/>
        <source>A factor cannot hold a line break</source>
        <extracomment>Refusal of a factor that holds a line break, which would split the file&apos;s line.</extracomment>
        <translation>Un factor no puede contener un salto de línea</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="57"/>
        <source>A unit&apos;s name cannot hold the end-of-file character (0x1A)</source>
        <extracomment>The character 0x1A ends a text file on some systems.</extracomment>
        <translation>El nombre de una unidad no puede contener el carácter de fin de archivo (0x1A)</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="60"/>
        <source>A factor cannot hold the end-of-file character (0x1A)</source>
        <extracomment>The character 0x1A ends a text file on some systems.</extracomment>
        <translation>Un factor no puede contener el carácter de fin de archivo (0x1A)</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="70"/>
        <source>Edit Units</source>
        <extracomment>Title of the dialog that edits or adds a unit with its factor.</extracomment>
        <translation>Editar unidad</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="82"/>
        <source>Unit&apos;s name</source>
        <translation>Nombre de la unidad</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="84"/>
        <source>Factor</source>
        <extracomment>How many base units one unit makes.</extracomment>
        <translation>Factor</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="87"/>
        <source>How many base units one of this unit makes,
such as 0.0254 for the inch against the metre.
A unit that runs the other way takes k/x: a value v
of it is k divided by v base units, such as 100/x
for litres per 100 km against kilometres per litre.</source>
        <extracomment>The hint of the factor field, in short lines. k/x stays as it is: it is what the user types.</extracomment>
        <translation>Cuántas unidades base vale una de esta unidad,
por ejemplo 0,0254 para la pulgada frente al metro.
Una unidad que va en sentido inverso lleva el factor k/x:
un valor v de ella vale k dividido entre v unidades base,
por ejemplo 100/x para litros por 100 km frente a kilómetros por litro.</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="95"/>
        <source>Base unit</source>
        <extracomment>The group&apos;s unit whose factor is 1.</extracomment>
        <translation>Unidad base</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="101"/>
        <source>&amp;Unit&apos;s name:</source>
        <translation>&amp;Nombre de la unidad:</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="104"/>
        <source>&amp;Factor:</source>
        <extracomment>How many base units one unit makes.</extracomment>
        <translation>&amp;Factor:</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="123"/>
        <source>Base unit:</source>
        <extracomment>Label of the group&apos;s unit whose factor is 1.</extracomment>
        <translation>Unidad base:</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="149"/>
        <source>Base unit: none</source>
        <extracomment>What screen readers say when the group has no unit whose factor is 1.</extracomment>
        <translation>Unidad base: ninguna</translation>
    </message>
    <message>
        <location filename="../ui/database/uniteditdialog.cpp" line="152"/>
        <source>Base unit: %1</source>
        <extracomment>What screen readers say of the base unit: %1 is its name.</extracomment>
        <translation>Unidad base: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitFindDialog</name>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="24"/>
        <source>Find</source>
        <extracomment>Title of the small window that finds a unit in the units list by the beginning of its name.</extracomment>
        <translation>Buscar</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="27"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="31"/>
        <source>Find what</source>
        <extracomment>The search text&apos;s edit, as screen readers name it.</extracomment>
        <translation>Texto que buscar</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="35"/>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="36"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="37"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitListDialog</name>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="66"/>
        <source>Units List</source>
        <extracomment>Title of the window that lists the loaded group&apos;s units for a unit picker.</extracomment>
        <translation>Lista de unidades</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="73"/>
        <source>Units</source>
        <extracomment>The list of the group&apos;s units, as screen readers name it.</extracomment>
        <translation>Unidades</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="79"/>
        <source>&amp;Choose</source>
        <extracomment>Puts the selected unit into the unit picker and closes the list.</extracomment>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="81"/>
        <source>&amp;Find</source>
        <extracomment>Opens the small window that finds a unit by the beginning of its name.</extracomment>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="82"/>
        <source>C&amp;lose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="83"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="87"/>
        <source>Find a unit by the beginning of its name (%1)</source>
        <extracomment>%1 is the shortcut key.</extracomment>
        <translation>Buscar una unidad por el comienzo de su nombre (%1)</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitlistdialog.cpp" line="166"/>
        <source>Search string %1 not found!</source>
        <extracomment>%1 is the text the user looked for, as typed (without quotes).</extracomment>
        <translation>¡No se encontró el texto %1!</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitSearchField</name>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="47"/>
        <source>Find or convert</source>
        <extracomment>Grey text in the empty search field of the main window.</extracomment>
        <translation>Buscar o convertir</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="50"/>
        <source>Find a unit by its name or symbol, or type a conversion such as %1 (%2)</source>
        <extracomment>Hint of the search field. %1 is an example of a typed conversion (12 in to cm), which stays as it is: conversions are typed with English words. %2 is its shortcut key.</extracomment>
        <translation>Busque una unidad por su nombre o símbolo, o escriba una conversión como %1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="55"/>
        <source>Find a unit or convert</source>
        <extracomment>The search field, as screen readers name it.</extracomment>
        <translation>Buscar una unidad o convertir</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="85"/>
        <source>Answer</source>
        <extracomment>The line under the search field that shows the result of a typed conversion.</extracomment>
        <translation>Respuesta</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="102"/>
        <source>Matching units</source>
        <extracomment>The list of units the search field found, as screen readers name it.</extracomment>
        <translation>Unidades coincidentes</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="261"/>
        <source>This conversion gives no number</source>
        <extracomment>The answer of a typed conversion when a factor is missing or the result is out of range.</extracomment>
        <translation>Esta conversión no da ningún número</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="273"/>
        <source>%1 → %2. Enter converts.</source>
        <extracomment>Hint of a typed conversion&apos;s answer between units that no one group holds: %1 is the unit converted from, %2 the unit converted to, as in &quot;kWh/100km → Wh/mi. Enter converts.&quot;</extracomment>
        <translation>%1 → %2. Pulse Intro para convertir.</translation>
    </message>
    <message>
        <location filename="../ui/converter/unitsearchfield.cpp" line="277"/>
        <source>%1 → %2, %3. Enter converts.</source>
        <extracomment>Hint of a typed conversion&apos;s answer: %1 is the unit converted from, %2 the unit converted to, %3 their group, as in &quot;inch → centimetre, Length. Enter converts.&quot;</extracomment>
        <translation>%1 → %2, %3. Pulse Intro para convertir.</translation>
    </message>
</context>
<context>
    <name>quorvel::UnitsDatabase</name>
    <message>
        <location filename="../ui/language/translated.cpp" line="47"/>
        <source>No units database: %1 was not found</source>
        <extracomment>%1 is the group list file, with its whole path.</extracomment>
        <translation>No hay base de datos de unidades: no se encontró %1</translation>
    </message>
</context>
</TS>
