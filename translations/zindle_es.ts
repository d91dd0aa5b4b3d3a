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
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Elige los dibujos de dos en dos, cada uno seguido de su pareja, o arrástralos aquí. Cada carta se ve como la muestra el tablero: las filas sombreadas se recortan en la carta más pequeña que puede tocarle al juego. Cada rótulo es lo que un lector de pantalla dice de su carta.</translation>
    </message>
    <message>
        <source>How to make a set</source>
        <translation>Cómo crear un juego</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Pairs in the set</source>
        <translation>Parejas del juego</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
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
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n pareja</numerusform>
            <numerusform>%n parejas</numerusform>
        </translation>
    </message>
    <message>
        <source>and a picture waiting for its partner</source>
        <translation>y un dibujo que espera su pareja</translation>
    </message>
    <message>
        <source>The game deals boards of %1 pairs and more.</source>
        <translation>El juego reparte tableros de %1 parejas o más.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Pareja %1</translation>
    </message>
    <message>
        <source>Add its partner with “Add pictures…”.</source>
        <translation>Añade su pareja con «Añadir dibujos…».</translation>
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
        <source>File of picture %1 of pair %2</source>
        <translation>Archivo del dibujo %1 de la pareja %2</translation>
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
        <source>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</source>
        <translation>⚠ El tablero recorta su dibujo (filas %1–%2 %): con %3 parejas en una pantalla de %4×%5 una carta muestra las filas %6–%7 %.</translation>
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
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>How the board shows it</source>
        <translation>Cómo lo muestra el tablero</translation>
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
    <name>SetMaker</name>
    <message>
        <source>the game deals boards of %1 pairs and more: this set of %2 offers none yet</source>
        <translation>el juego reparte tableros de %1 parejas o más: este juego de %2 aún no ofrece ninguno</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>el juego no tiene nombre</translation>
    </message>
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
        <source>cannot write the copy of %1 (%2)</source>
        <translation>no se puede escribir la copia de %1 (%2)</translation>
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
        <source>cannot write in the folder %1</source>
        <translation>no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1</source>
        <translation>no se puede mover el juego nuevo a %1</translation>
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
</context>
</TS>
