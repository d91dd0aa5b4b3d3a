<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Announcements</name>
    <message numerus="yes">
        <source>%1, %n pairs</source>
        <translation>
            <numerusform>%1, %n pareja</numerusform>
            <numerusform>%1, %n parejas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pairs, no clock</source>
        <translation>
            <numerusform>%1, %n pareja, sin reloj</numerusform>
            <numerusform>%1, %n parejas, sin reloj</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>queda %n segundo</numerusform>
            <numerusform>quedan %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds played</source>
        <translation>
            <numerusform>%n segundo de juego</numerusform>
            <numerusform>%n segundos de juego</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair found, %1 of %2</source>
        <translation>Pareja encontrada, %1 de %2</translation>
    </message>
    <message>
        <source>Not a pair</source>
        <translation>No es pareja</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n seconds</source>
        <comment>The board, then its time limit</comment>
        <translation>
            <numerusform>%1, %n segundo</numerusform>
            <numerusform>%1, %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>Se acabó el tiempo</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>El tiempo se agotó</translation>
    </message>
    <message numerus="yes">
        <source>Finished with %n seconds left</source>
        <translation>
            <numerusform>Terminado con %n segundo de sobra</numerusform>
            <numerusform>Terminado con %n segundos de sobra</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Make a picture set</source>
        <translation>Crear un juego de dibujos</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>&amp;Nombre del juego:</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Nombre del juego</translation>
    </message>
    <message>
        <source>as the game&apos;s list shows it</source>
        <translation>como lo mostrará la lista del juego</translation>
    </message>
    <message>
        <source>&amp;Add pictures…</source>
        <translation>&amp;Añadir dibujos…</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the set</source>
        <translation>Guardar el juego</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Choose pictures, each followed by its partner</source>
        <translation>Elige dibujos, cada uno seguido de su pareja</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Dibujos (%1)</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>¿Cerrar sin guardar?</translation>
    </message>
    <message>
        <source>The set has not been saved. Close and leave it unsaved?</source>
        <translation>El juego no se ha guardado. ¿Cerrar y dejarlo sin guardar?</translation>
    </message>
    <message>
        <source>Replace the set?</source>
        <translation>¿Sustituir el juego?</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Replace it with this one?</source>
        <translation>Ya existe un juego llamado «%1». ¿Sustituirlo por este?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sustituir</translation>
    </message>
    <message>
        <source>Nothing was saved:</source>
        <translation>No se ha guardado nada:</translation>
    </message>
    <message>
        <source>Saved in %1. The game lists the set as &quot;%2&quot;.</source>
        <translation>Guardado en %1. El juego lo lista como «%2».</translation>
    </message>
    <message>
        <source>No pairs yet: add pictures, or drop them here.</source>
        <translation>Aún no hay parejas: añade dibujos o arrástralos aquí.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move pair %1 up</source>
        <translation>Subir la pareja %1</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move pair %1 down</source>
        <translation>Bajar la pareja %1</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <source>Swap the pictures of pair %1</source>
        <translation>Intercambiar los dibujos de la pareja %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove pair %1</source>
        <translation>Quitar la pareja %1</translation>
    </message>
    <message>
        <source>Picture %1 of pair %2 as the board shows it</source>
        <translation>Dibujo %1 de la pareja %2 como lo muestra el tablero</translation>
    </message>
    <message>
        <source>Caption of picture %1 of pair %2</source>
        <translation>Rótulo del dibujo %1 de la pareja %2</translation>
    </message>
    <message>
        <source>What a screen reader says of the card</source>
        <translation>Lo que un lector de pantalla dice de la carta</translation>
    </message>
    <message>
        <source>Not a picture the game reads: the set cannot be saved with it.</source>
        <translation>No es un dibujo que el juego lea: el juego no se puede guardar con él.</translation>
    </message>
    <message>
        <source>Every board shows all of it.</source>
        <translation>Todos los tableros lo muestran entero.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Todos los tableros muestran su dibujo; la carta más pequeña muestra las filas %1–%2 %.</translation>
    </message>
    <message>
        <source>O&amp;pen a set…</source>
        <translation>Abrir un &amp;juego…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Elige los dibujos de dos en dos, cada uno seguido de su pareja, o arrástralos aquí. Cada carta se ve como la muestra el tablero en esta pantalla: las filas sombreadas quedan cortadas en la carta más pequeña que puede tener el juego. Cada rótulo es lo que un lector de pantalla dice de su carta.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>&amp;Undo removal</source>
        <translation>&amp;Deshacer quitar</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>Save the set as one .zip file to share</source>
        <translation>Guardar el juego como un solo archivo .zip para compartirlo</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Add a set shared as a .zip file</source>
        <translation>Añadir un juego compartido como archivo .zip</translation>
    </message>
    <message numerus="yes">
        <source>Opened the set &quot;%1&quot;: %n pairs.</source>
        <translation>
            <numerusform>Abierto el juego «%1»: %n pareja.</numerusform>
            <numerusform>Abierto el juego «%1»: %n parejas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</source>
        <translation>Emparejados en el orden elegido: %1. Para emparejar un dibujo con otro, usa «Cambiar con…» debajo de él.</translation>
    </message>
    <message>
        <source>Choose picture %1 of pair %2</source>
        <translation>Elegir el dibujo %1 de la pareja %2</translation>
    </message>
    <message>
        <source>Choose the partner of pair %1</source>
        <translation>Elegir la pareja del dibujo de la pareja %1</translation>
    </message>
    <message>
        <source>Open a set</source>
        <translation>Abrir un juego</translation>
    </message>
    <message>
        <source>Your sets in %1:</source>
        <translation>Tus juegos en %1:</translation>
    </message>
    <message>
        <source>Your sets</source>
        <translation>Tus juegos</translation>
    </message>
    <message>
        <source>No set yet: make one and save it.</source>
        <translation>Aún no hay juegos: crea uno y guárdalo.</translation>
    </message>
    <message>
        <source>Leave this set unsaved?</source>
        <translation>¿Dejar este juego sin guardar?</translation>
    </message>
    <message>
        <source>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</source>
        <translation>Este juego no se ha guardado. ¿Abrir «%1» y dejarlo sin guardar?</translation>
    </message>
    <message>
        <source>Save the set before exporting it.</source>
        <translation>Guarda el juego antes de exportarlo.</translation>
    </message>
    <message>
        <source>Export the set as a .zip file</source>
        <translation>Exportar el juego como archivo .zip</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Archivos zip (*.zip)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportando…</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportado a %1.</translation>
    </message>
    <message>
        <source>Nothing was exported:</source>
        <translation>No se ha exportado nada:</translation>
    </message>
    <message>
        <source>Import a set from a .zip file</source>
        <translation>Importar un juego de un archivo .zip</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Importando…</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>No se ha importado nada:</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>Pair %1 removed; Ctrl+Z puts it back. %2</source>
        <translation>Pareja %1 quitada; Ctrl+Z la devuelve. %2</translation>
    </message>
    <message>
        <source>picture %1 of pair %2: %3</source>
        <translation>dibujo %1 de la pareja %2: %3</translation>
    </message>
    <message>
        <source>A picture waits for its partner.</source>
        <translation>Un dibujo espera su pareja.</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Dibujo…</translation>
    </message>
    <message>
        <source>Exchange…</source>
        <translation>Cambiar con…</translation>
    </message>
    <message>
        <source>Exchange picture %1 of pair %2 with one of another pair</source>
        <translation>Cambiar el dibujo %1 de la pareja %2 por uno de otra pareja</translation>
    </message>
    <message>
        <source>A camera&apos;s name: rename it to what the card shows.</source>
        <translation>Es un nombre de cámara: cámbialo por lo que muestra la carta.</translation>
    </message>
    <message>
        <source>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</source>
        <translation>⚠ En esta pantalla (%1×%2) un tablero de %3 parejas corta su dibujo (filas %4–%5 %): una carta muestra las filas %6–%7 %.</translation>
    </message>
    <message>
        <source>Choose its par&amp;tner…</source>
        <translation>Elegir su &amp;pareja…</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>no clock, %1 s</source>
        <translation>sin reloj, %1 s</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Back to the game over</source>
        <translation>Volver al fin del juego</translation>
    </message>
    <message>
        <source>Back to the board</source>
        <translation>Volver al tablero</translation>
    </message>
    <message>
        <source>Play a new board</source>
        <translation>Jugar un tablero nuevo</translation>
    </message>
    <message>
        <source>F9 shows the results of the run.</source>
        <translation>F9 muestra los resultados de la sesión.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 no se puede leer</translation>
    </message>
    <message>
        <source>%1 is not a zip file that can be read: %2</source>
        <translation>%1 no es un archivo zip que se pueda leer: %2</translation>
    </message>
    <message>
        <source>%1: cannot be inflated: %2</source>
        <translation>%1: no se puede descomprimir: %2</translation>
    </message>
    <message>
        <source>%1: inflates to more than %2 MB, more than a picture</source>
        <translation>%1: descomprimido ocupa más de %2 MB, más que un dibujo</translation>
    </message>
    <message>
        <source>%1: the pictures inflate to more than %2 MB together</source>
        <translation>%1: los dibujos descomprimidos ocupan más de %2 MB juntos</translation>
    </message>
    <message>
        <source>%1: inflates more than %2 times, as no picture does</source>
        <translation>%1: se descomprime más de %2 veces, como ningún dibujo</translation>
    </message>
    <message>
        <source>%1: an absolute path, outside any set</source>
        <translation>%1: una ruta absoluta, fuera de todo juego</translation>
    </message>
    <message>
        <source>%1: a path that leaves the set</source>
        <translation>%1: una ruta que sale del juego</translation>
    </message>
    <message>
        <source>%1: a link, which no set holds</source>
        <translation>%1: un enlace, que ningún juego contiene</translation>
    </message>
    <message>
        <source>%1: a device or pipe, not a picture</source>
        <translation>%1: un dispositivo o una tubería, no un dibujo</translation>
    </message>
    <message>
        <source>%1: a second set beside %2; an archive holds one</source>
        <translation>%1: un segundo juego junto a %2; un archivo contiene uno solo</translation>
    </message>
    <message>
        <source>%1: a file outside the set&apos;s folder</source>
        <translation>%1: un archivo fuera de la carpeta del juego</translation>
    </message>
    <message>
        <source>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</source>
        <translation>%1: en un juego solo van las carpetas &quot;1&quot; y &quot;2&quot;</translation>
    </message>
    <message>
        <source>%1: a file where the folder %2 belongs</source>
        <translation>%1: un archivo donde va la carpeta %2</translation>
    </message>
    <message>
        <source>%1: a folder inside %2, where only pictures belong</source>
        <translation>%1: una carpeta dentro de %2, donde solo van dibujos</translation>
    </message>
    <message>
        <source>%1: %2 MB, more than a picture</source>
        <translation>%1: %2 MB, más que un dibujo</translation>
    </message>
    <message>
        <source>%1: needs %2 MB to decode, more than the game allows</source>
        <translation>%1: necesita %2 MB para descodificarse, más de lo que permite el juego</translation>
    </message>
    <message>
        <source>%1: not a picture the game reads</source>
        <translation>%1: no es un dibujo que el juego lea</translation>
    </message>
    <message>
        <source>%1: a picture cut short</source>
        <translation>%1: un dibujo cortado</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries, more than a set</source>
        <translation>%1 contiene más de %2 entradas, más que un juego</translation>
    </message>
    <message>
        <source>%1: twice in the archive</source>
        <translation>%1: dos veces en el archivo</translation>
    </message>
    <message>
        <source>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</source>
        <translation>%1 no contiene ningún juego: una carpeta con dibujos en sus carpetas &quot;1&quot; y &quot;2&quot;</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read</source>
        <translation>%1 cambió mientras se leía</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 is no set that can be read: its folder %2 is missing</source>
        <translation>%1 no es un juego que se pueda leer: falta su carpeta %2</translation>
    </message>
    <message>
        <source>%1 cannot be read, or is too big to share</source>
        <translation>%1 no se puede leer o es demasiado grande para compartirlo</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>pareja %1: %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the set name %1 cannot be a folder&apos;s name</source>
        <translation>el nombre de juego %1 no puede ser el de una carpeta</translation>
    </message>
    <message>
        <source>the set name %1 cannot hold a &quot;/&quot;</source>
        <translation>el nombre de juego %1 no puede contener «/»</translation>
    </message>
    <message>
        <source>the set name %1 starts with &quot;.&quot;, which hides the set from the game</source>
        <translation>el nombre de juego %1 empieza por «.», y así no aparecería en la lista del juego</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no existe ese archivo</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 no se puede leer</translation>
    </message>
    <message>
        <source>%1 is not a picture</source>
        <translation>%1 no es un dibujo</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2)</source>
        <translation>%1 no se puede descodificar (%2)</translation>
    </message>
    <message>
        <source>cannot write the caption of %1</source>
        <translation>no se puede escribir el rótulo de %1</translation>
    </message>
    <message>
        <source>a set named %1 already exists in %2</source>
        <translation>ya existe un juego llamado %1 en %2</translation>
    </message>
    <message>
        <source>no pictures: each pair needs two</source>
        <translation>no hay dibujos: cada pareja necesita dos</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures: each pair needs two, so %1 has no partner</source>
        <translation>
            <numerusform>%n dibujo: cada pareja necesita dos, así que %1 no tiene pareja</numerusform>
            <numerusform>%n dibujos: cada pareja necesita dos, así que %1 no tiene pareja</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1: %2</source>
        <translation>no se puede mover el juego nuevo a %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a set: nothing was replaced</source>
        <translation>%1 es un archivo, no un juego: no se ha sustituido nada</translation>
    </message>
    <message>
        <source>cannot keep %1 of the set replaced: %2</source>
        <translation>no se puede conservar %1 del juego sustituido: %2</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>el disco está lleno (%1)</translation>
    </message>
    <message>
        <source>the set has no name: a name needs a letter, digit or sign</source>
        <translation>el juego no tiene nombre: un nombre necesita una letra, una cifra o un signo</translation>
    </message>
    <message>
        <source>the set name %1 holds a control character</source>
        <translation>el nombre de juego %1 contiene un carácter de control</translation>
    </message>
    <message>
        <source>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</source>
        <translation>el nombre del juego es demasiado largo: %1 bytes, y el nombre de una carpeta admite 255</translation>
    </message>
    <message>
        <source>the set name %1 holds %2, which the disk of %3 does not allow in a name</source>
        <translation>el nombre de juego %1 contiene %2, que el disco de %3 no admite en un nombre</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>%1 es una carpeta, no un dibujo</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or pipe</source>
        <translation>%1 no es un archivo sino un dispositivo o una tubería</translation>
    </message>
    <message>
        <source>%1 is too big for a picture: %2 MB</source>
        <translation>%1 es demasiado grande para un dibujo: %2 MB</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, twice in pair %3</source>
        <translation>%1 y %2 son el mismo dibujo, dos veces en la pareja %3</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, in pairs %3 and %4</source>
        <translation>%1 y %2 son el mismo dibujo, en las parejas %3 y %4</translation>
    </message>
    <message>
        <source>cannot write the copy of %1: %2</source>
        <translation>no se puede escribir la copia de %1: %2</translation>
    </message>
    <message>
        <source>%1 needs %2 MB to decode, more than the %3 MB the game allows</source>
        <translation>%1 necesita %2 MB para descodificarse, más de los %3 MB que permite el juego</translation>
    </message>
    <message>
        <source>%1 is cut short: its end is missing</source>
        <translation>%1 está cortado: le falta el final</translation>
    </message>
    <message>
        <source>cannot encode the copy of %1 (%2)</source>
        <translation>no se puede codificar la copia de %1 (%2)</translation>
    </message>
    <message>
        <source>the set name %1 looks like that of the set %2 in the game&apos;s list</source>
        <translation>el nombre de juego %1 se parece al del juego %2 en la lista del juego</translation>
    </message>
    <message>
        <source>a set named %1 already lies in %2, which the game plays instead: choose another name</source>
        <translation>ya hay un juego llamado %1 en %2, y el juego usaría ese: elige otro nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs: a set holds %1 at most</source>
        <translation>
            <numerusform>%n pareja: un juego tiene %1 como mucho</numerusform>
            <numerusform>%n parejas: un juego tiene %1 como mucho</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>no se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the set name is too long for the disk of %1</source>
        <translation>el nombre del juego es demasiado largo para el disco de %1</translation>
    </message>
    <message>
        <source>the disk of %1 does not allow the set name %2: %3</source>
        <translation>el disco de %1 no admite el nombre de juego %2: %3</translation>
    </message>
    <message>
        <source>saving was cancelled: nothing was written</source>
        <translation>se canceló el guardado: no se ha escrito nada</translation>
    </message>
    <message>
        <source>there is no set %1 that can be read in %2</source>
        <translation>no hay ningún juego %1 que se pueda leer en %2</translation>
    </message>
    <message>
        <source>%1 has no partner and is left out</source>
        <translation>%1 no tiene pareja y se deja fuera</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n pareja</numerusform>
            <numerusform>%n parejas</numerusform>
        </translation>
    </message>
    <message>
        <source>no board yet</source>
        <translation>todavía ningún tablero</translation>
    </message>
    <message>
        <source>boards of %1</source>
        <translation>tableros de %1</translation>
    </message>
    <message>
        <source>boards of %1 and %2</source>
        <translation>tableros de %1 y %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 give boards of %4</source>
        <translation>%1: %2; con %3 hay tableros de %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more pairs</source>
        <translation>
            <numerusform>%n pareja más</numerusform>
            <numerusform>%n parejas más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SetsCommand</name>
    <message>
        <source>Usage: zindle-sets [FOLDER] [--sheet FILE.png [--pairs N] [--screen WxH]]
       zindle-sets --new [NAME FIRST1 SECOND1 FIRST2 SECOND2 ... [--replace]]
       zindle-sets --edit NAME
       zindle-sets --export NAME FILE.zip
       zindle-sets --import FILE.zip [--replace]

Checks Zindle&apos;s picture sets the way the game&apos;s board deals and shows them: the same
listing, the same picture decoding (in parallel, as the board does) and the same card
layout. Without FOLDER it checks every set the game&apos;s setup window lists, from every
place the game reads sets from, each under the folder it lies in (where a name lies in
two places, the game plays the first: see the manual page). FOLDER may be a folder of
sets, or one set: a folder that holds the folders &quot;1&quot; and &quot;2&quot;.

A set is two folders. File p of &quot;1&quot; and file p of &quot;2&quot;, both counted in name order
ignoring case, form pair p; hidden files (a leading &quot;.&quot;) do not count. The number of
files in &quot;1&quot; decides which pair counts (6 10 12 15 21 28 36) the setup window offers.
</source>
        <translation>Uso: zindle-sets [CARPETA] [--sheet ARCHIVO.png [--pairs N] [--screen AxA]]
     zindle-sets --new [NOMBRE PRIMERO1 SEGUNDO1 PRIMERO2 SEGUNDO2 ... [--replace]]
     zindle-sets --edit NOMBRE
     zindle-sets --export NOMBRE ARCHIVO.zip
     zindle-sets --import ARCHIVO.zip [--replace]

Revisa los juegos de dibujos de Zindle como los reparte y muestra el tablero del juego: el
mismo listado, la misma lectura de dibujos (en paralelo, como el tablero) y la misma
disposición de cartas. Sin CARPETA revisa todos los juegos que lista la ventana de
preparación, de todos los lugares de donde el juego lee juegos, cada uno en la carpeta donde
está (si un nombre está en dos lugares, el juego usa el primero: véase la página del
manual). CARPETA puede ser una carpeta de juegos o un juego: una carpeta con las carpetas
&quot;1&quot; y &quot;2&quot;.

Un juego son dos carpetas. El archivo p de &quot;1&quot; y el archivo p de &quot;2&quot;, contados los dos por
orden de nombre sin distinguir mayúsculas, forman la pareja p; los archivos ocultos (con
&quot;.&quot; delante) no cuentan. El número de archivos de &quot;1&quot; decide qué números de parejas (6 10
12 15 21 28 36) ofrece la ventana de preparación.
</translation>
    </message>
    <message>
        <source>Every line of the report is one finding. Its first word says what it is; the set&apos;s name
follows in double quotes (a quote, backslash or control character in a name or file name
is written \&quot;, \\ or \uXXXX). Pairs are numbered from 1, in name order.
  set &quot;S&quot; &quot;FOLDER&quot;           where the set lies
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        the pair counts the setup window offers, or &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        the two files of pair P (&quot;-&quot; when &quot;2&quot; has none)
  error &quot;S&quot;: ...             the set cannot be played: a folder &quot;1&quot; or &quot;2&quot; that is
                             missing or unreadable, or no pair that can be dealt
  warning &quot;S&quot; pair P: never dealt: ...
                             the board leaves the pair out of every game: &quot;2&quot; has no
                             file for it, or one of its files is not a regular file,
                             cannot be read, is not a picture the game reads, is too
                             big to decode or cannot be decoded (the reason follows)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             the board shows a picture as wide as its card and clips
                             its top and bottom when the card is lower than the picture;
                             the picture&apos;s drawing does not lie wholly in the rows shown
                             on some offered pair counts and screens (the least shown
                             is named first, then every screen with its pair counts).
                             The drawing is every row holding a pixel that differs by
                             more than 48 of 255 in a colour channel from the colour
                             most of the picture&apos;s outermost pixels have: the paper.
                             A photo is drawing to its edges. Rows are percent of the
                             picture&apos;s height from its top. The screens: 1280x1024,
                             1366x768, 1920x1080, 1920x1200, 2560x1080, 3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             two pairs hold pictures that look the same, so a player
                             cannot tell which two cards belong together
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             most pairs have the same file name (extension aside) in
                             &quot;1&quot; and &quot;2&quot; but this one does not: often a file missing
                             or misnamed, so that the names sort apart
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (the photo shows turned as its camera meant it)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             the caption is the title the picture file carries (a PNG
                             &quot;Title&quot; or &quot;Description&quot; text, XMP dc:title or
                             dc:description, EXIF ImageDescription), else its file name
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Exit status: 0 when every set is playable at the pair counts it offers with nothing to
warn about; 1 when there are warnings; 2 when a set cannot be played, when there is no
set or no such folder, when a set cannot be made, edited, exported or imported, or on a
usage error.
</source>
        <translation>Cada línea del informe es un hallazgo, en inglés. Su primera palabra dice qué es; el nombre
del juego sigue entre comillas dobles (una comilla, barra inversa o carácter de control de
un nombre se escribe \&quot;, \\ o \uXXXX). Las parejas se numeran desde 1, por orden de nombre.
  set &quot;S&quot; &quot;FOLDER&quot;           dónde está el juego
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        los números de parejas que ofrece la ventana de
                             preparación, o &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        los dos archivos de la pareja P (&quot;-&quot; si &quot;2&quot; no tiene)
  error &quot;S&quot;: ...             el juego no se puede jugar: una carpeta &quot;1&quot; o &quot;2&quot; que
                             falta o no se puede leer, o ninguna pareja que se pueda
                             repartir
  warning &quot;S&quot; pair P: never dealt: ...
                             el tablero deja la pareja fuera de toda partida: &quot;2&quot; no
                             tiene archivo para ella, o uno de sus archivos no es un
                             archivo normal, no se puede leer, no es un dibujo que el
                             juego lea, es demasiado grande o no se puede descodificar
                             (sigue el motivo)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             el tablero muestra un dibujo tan ancho como su carta y
                             recorta arriba y abajo cuando la carta es más baja que el
                             dibujo; el trazo del dibujo no cae entero en las filas
                             mostradas con algunos números de parejas y pantallas (se
                             nombra primero la que menos muestra, luego cada pantalla
                             con sus números de parejas). El trazo son las filas con
                             algún píxel que difiere en más de 48 de 255 en un canal
                             del color que tienen la mayoría de los píxeles del borde:
                             el papel. Una foto es trazo hasta los bordes. Las filas son
                             porcentajes de la altura desde arriba. Las pantallas:
                             1280x1024, 1366x768, 1920x1080, 1920x1200, 2560x1080,
                             3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             dos parejas tienen dibujos que se ven iguales, así que el
                             jugador no puede saber qué dos cartas van juntas
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             la mayoría de parejas tienen el mismo nombre de archivo
                             (sin la extensión) en &quot;1&quot; y &quot;2&quot;, pero esta no: suele ser un
                             archivo que falta o mal nombrado, que descoloca el orden
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (la foto se ve girada como quería su cámara)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             el rótulo es el título que lleva el archivo (un texto PNG
                             &quot;Title&quot; o &quot;Description&quot;, XMP dc:title o dc:description,
                             EXIF ImageDescription) o, si no, su nombre de archivo
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Estado de salida: 0 cuando todos los juegos se pueden jugar con los números de parejas que
ofrecen sin nada que advertir; 1 cuando hay advertencias; 2 cuando un juego no se puede
jugar, cuando no hay ningún juego o no existe la carpeta, cuando un juego no se puede crear,
editar, exportar o importar, o con un error de uso.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>%1 (try &apos;zindle-sets --help&apos;)</source>
        <translation>%1 (prueba «zindle-sets --help»)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</source>
        <translation>%1 tiene el rótulo %2, un nombre de cámara que no le dice nada al jugador: ponle otro con --edit</translation>
    </message>
    <message>
        <source>shows this text</source>
        <translation>muestra este texto</translation>
    </message>
    <message>
        <source>shows the program&apos;s version</source>
        <translation>muestra la versión del programa</translation>
    </message>
    <message>
        <source>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</source>
        <translation>dibuja además las parejas de cada juego una al lado de otra: el número de pareja, cada dibujo en una carta tal como lo muestra el tablero, recortado, sobre el fondo de carta &quot;fondo.jpg&quot; junto a zindle-sets cuando lo hay, y los dos nombres de archivo debajo; una cruz roja marca un dibujo que nunca se reparte. Como mucho 120 parejas por juego. zindle-sets no escribe nada más que este archivo.</translation>
    </message>
    <message>
        <source>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</source>
        <translation>el tablero que muestra la hoja: 6, 10, 12, 15, 21, 28 o 36 parejas (36 por omisión)</translation>
    </message>
    <message>
        <source>its screen in logical pixels (default 1920x1080)</source>
        <translation>su pantalla en píxeles lógicos (1920x1080 por omisión)</translation>
    </message>
    <message>
        <source>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</source>
        <translation>sola: abre la ventana para crear juegos. Con NOMBRE PRIMERO1 SEGUNDO1 ...: crea el juego NOMBRE con los dibujos dados, una pareja cada dos en orden, sin ventana, y escribe su carpeta: &quot;Zindle/NOMBRE&quot; en la carpeta de imágenes (~/.local/share/zindle/graficos/NOMBRE si no la hay). Las copias de sus carpetas &quot;1&quot; y &quot;2&quot; se llaman 01, 02 ... en las dos, derechas, de 2048 píxeles de largo como mucho, y llevan el rótulo de cada dibujo (su propio título o, si no, su nombre de archivo). Los originales solo se leen. En una terminal muestra su avance. Un juego que no se puede crear (un nombre que no puede ser de carpeta o que se parece al de otro juego, un número impar de dibujos, un archivo que falta, que no es un dibujo, cortado o repetido, un juego de ese nombre que ya existe, un disco lleno) se nombra en la salida de errores, no se escribe nada y el estado de salida es 2</translation>
    </message>
    <message>
        <source>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</source>
        <translation>con --new NOMBRE o --import: sustituye el juego de ese nombre una vez que el nuevo está completo (un juego que es un enlace: solo el enlace)</translation>
    </message>
    <message>
        <source>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</source>
        <translation>NOMBRE: abre el juego NOMBRE en la ventana para crear juegos, con sus parejas y rótulos; al guardarlo solo se escribe lo que ha cambiado</translation>
    </message>
    <message>
        <source>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</source>
        <translation>NOMBRE ARCHIVO.zip: escribe el juego NOMBRE en un archivo zip que cualquier ordenador abre, con NOMBRE/1/... y NOMBRE/2/..., los rótulos dentro de los dibujos</translation>
    </message>
    <message>
        <source>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</source>
        <translation>ARCHIVO.zip: crea el juego que contiene el archivo zip, tras revisarlo entero (un juego, sus carpetas &quot;1&quot; y &quot;2&quot; con dibujos, nada más, dentro de los tamaños de un juego); cada rechazo nombra la entrada y dice por qué</translation>
    </message>
    <message>
        <source>--new, --edit, --export and --import go one at a time</source>
        <translation>--new, --edit, --export e --import van de uno en uno</translation>
    </message>
    <message>
        <source>--sheet, --pairs and --screen go with a check alone</source>
        <translation>--sheet, --pairs y --screen van solo con una revisión</translation>
    </message>
    <message>
        <source>--replace goes with --new NAME or --import</source>
        <translation>--replace va con --new NOMBRE o con --import</translation>
    </message>
    <message>
        <source>--export takes a set&apos;s NAME and FILE.zip</source>
        <translation>--export lleva el NOMBRE de un juego y ARCHIVO.zip</translation>
    </message>
    <message>
        <source>--import takes one FILE.zip</source>
        <translation>--import lleva un ARCHIVO.zip</translation>
    </message>
    <message>
        <source>importing: %1 of %2 pictures</source>
        <translation>importando: %1 de %2 dibujos</translation>
    </message>
    <message>
        <source>saving: %1 of %2 pictures</source>
        <translation>guardando: %1 de %2 dibujos</translation>
    </message>
    <message>
        <source>--edit takes a set&apos;s NAME</source>
        <translation>--edit lleva el NOMBRE de un juego</translation>
    </message>
    <message>
        <source>--new takes a NAME and its pictures, or nothing</source>
        <translation>--new lleva un NOMBRE y sus dibujos, o nada</translation>
    </message>
    <message>
        <source>this maker&apos;s window cannot open a set</source>
        <translation>esta ventana para crear juegos no puede abrir un juego</translation>
    </message>
    <message>
        <source>one folder at most</source>
        <translation>una carpeta como mucho</translation>
    </message>
    <message>
        <source>--pairs takes 6, 10, 12, 15, 21, 28 or 36</source>
        <translation>--pairs lleva 6, 10, 12, 15, 21, 28 o 36</translation>
    </message>
    <message>
        <source>--screen takes a size such as 1920x1080</source>
        <translation>--screen lleva un tamaño como 1920x1080</translation>
    </message>
    <message>
        <source>--pairs and --screen choose the board of --sheet</source>
        <translation>--pairs y --screen eligen el tablero de --sheet</translation>
    </message>
    <message>
        <source>One more note, on captions:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             at its usual punctuation level a screen reader says
                             : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ = as words, so
                             &quot;clock: 10:15&quot; is heard &quot;clock colon 10 colon 15&quot;;
                             a comma only makes it pause
</source>
        <translation>Una nota más, sobre los rótulos:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             con su nivel de puntuación habitual, un lector de
                             pantalla dice : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ =
                             como palabras, así que &quot;reloj: 10:15&quot; se oye &quot;reloj dos
                             puntos 10 dos puntos 15&quot;; una coma solo le hace pausa
</translation>
    </message>
    <message>
        <source>the set maker&apos;s window needs a display, and there is none</source>
        <translation>la ventana del creador de juegos necesita una pantalla, y no hay ninguna</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>No hay ninguna carpeta de imágenes elegida.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>La carpeta de imágenes «%1» ya no está.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>No hay ninguna carpeta de imágenes llamada «%1».</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>La carpeta de imágenes «%1» no se puede abrir: necesita dos carpetas, «1» y «2», que se puedan leer.</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>La carpeta de imágenes «%1» no tiene ninguna pareja de imágenes.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>La carpeta de imágenes «%1» no tiene ninguna pareja de imágenes que se pueda mostrar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</source>
        <translation>El juego de imágenes «%1» no se pudo repartir a tiempo: sus carpetas tienen demasiados archivos que no son imágenes, o responden demasiado despacio.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n pareja</numerusform>
            <numerusform>%n parejas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no hay pantalla: no está definida ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>el servidor X de la pantalla %1 no responde</translation>
    </message>
    <message>
        <source>Pairs game: find the pictures that belong together</source>
        <translation>Juego de parejas: encuentra los dibujos que van juntos</translation>
    </message>
    <message>
        <source>Play at your own pace: the clock counts the seconds played and never runs out.</source>
        <translation>Juega a tu ritmo: el reloj cuenta los segundos jugados y nunca se acaba.</translation>
    </message>
    <message>
        <source>Play against the clock.</source>
        <translation>Juega contra el reloj.</translation>
    </message>
    <message>
        <source>%1: the preference is not kept: %2: %3
</source>
        <translation>%1: la preferencia no se guarda: %2: %3
</translation>
    </message>
    <message>
        <source>no display: Qt has no platform called %1</source>
        <translation>no hay pantalla: Qt no tiene ninguna plataforma llamada %1</translation>
    </message>
    <message>
        <source>no display: no Wayland compositor answers at %1</source>
        <translation>no hay pantalla: ningún compositor Wayland responde en %1</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>no hay pantalla: DISPLAY no está definida</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Repartiendo las cartas…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Dealing the cards… %1 %</source>
        <translation>Repartiendo las cartas… %1 %</translation>
    </message>
</context>
</TS>
