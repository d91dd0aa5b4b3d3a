<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>Announcements</name>
    <message numerus="yes">
        <source>%1, %n pairs</source>
        <translation>
            <numerusform>%1, %n parella</numerusform>
            <numerusform>%1, %n parelles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pairs, no clock</source>
        <translation>
            <numerusform>%1, %n parella, sense rellotge</numerusform>
            <numerusform>%1, %n parelles, sense rellotge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>queda %n segon</numerusform>
            <numerusform>queden %n segons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds played</source>
        <translation>
            <numerusform>%n segon de joc</numerusform>
            <numerusform>%n segons de joc</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair found, %1 of %2</source>
        <translation>Parella trobada, %1 de %2</translation>
    </message>
    <message>
        <source>Not a pair</source>
        <translation>No és parella</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n seconds</source>
        <comment>The board, then its time limit</comment>
        <translation>
            <numerusform>%1, %n segon</numerusform>
            <numerusform>%1, %n segons</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>S&apos;ha acabat el temps</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>El temps s&apos;ha esgotat</translation>
    </message>
    <message numerus="yes">
        <source>Finished with %n seconds left</source>
        <translation>
            <numerusform>Acabat amb %n segon de sobres</numerusform>
            <numerusform>Acabat amb %n segons de sobres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Make a picture set</source>
        <translation>Crea un joc de dibuixos</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>&amp;Nom del joc:</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Nom del joc</translation>
    </message>
    <message>
        <source>as the game&apos;s list shows it</source>
        <translation>com el mostrarà la llista del joc</translation>
    </message>
    <message>
        <source>&amp;Add pictures…</source>
        <translation>&amp;Afegeix dibuixos…</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parelles</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Desa</translation>
    </message>
    <message>
        <source>Save the set</source>
        <translation>Desa el joc</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tanca</translation>
    </message>
    <message>
        <source>Choose pictures, each followed by its partner</source>
        <translation>Tria dibuixos, cadascun seguit de la seva parella</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Dibuixos (%1)</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>Tancar sense desar?</translation>
    </message>
    <message>
        <source>The set has not been saved. Close and leave it unsaved?</source>
        <translation>El joc no s’ha desat. Tancar sense desar-lo?</translation>
    </message>
    <message>
        <source>Replace the set?</source>
        <translation>Substituir el joc?</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Replace it with this one?</source>
        <translation>Ja existeix un joc anomenat «%1». El substitueixes per aquest?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substitueix</translation>
    </message>
    <message>
        <source>Nothing was saved:</source>
        <translation>No s’ha desat res:</translation>
    </message>
    <message>
        <source>Saved in %1. The game lists the set as &quot;%2&quot;.</source>
        <translation>Desat a %1. El joc el llista com a «%2».</translation>
    </message>
    <message>
        <source>No pairs yet: add pictures, or drop them here.</source>
        <translation>Encara no hi ha parelles: afegeix dibuixos o deixa’ls anar aquí.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Puja</translation>
    </message>
    <message>
        <source>Move pair %1 up</source>
        <translation>Puja la parella %1</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Move pair %1 down</source>
        <translation>Baixa la parella %1</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercanvia</translation>
    </message>
    <message>
        <source>Swap the pictures of pair %1</source>
        <translation>Intercanvia els dibuixos de la parella %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Treu</translation>
    </message>
    <message>
        <source>Remove pair %1</source>
        <translation>Treu la parella %1</translation>
    </message>
    <message>
        <source>Picture %1 of pair %2 as the board shows it</source>
        <translation>Dibuix %1 de la parella %2 com el mostra el tauler</translation>
    </message>
    <message>
        <source>Caption of picture %1 of pair %2</source>
        <translation>Rètol del dibuix %1 de la parella %2</translation>
    </message>
    <message>
        <source>What a screen reader says of the card</source>
        <translation>El que un lector de pantalla diu de la carta</translation>
    </message>
    <message>
        <source>Not a picture the game reads: the set cannot be saved with it.</source>
        <translation>No és un dibuix que el joc llegeixi: el joc no es pot desar amb ell.</translation>
    </message>
    <message>
        <source>Every board shows all of it.</source>
        <translation>Tots els taulers el mostren sencer.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Tots els taulers mostren el dibuix; la carta més petita mostra les files %1–%2 %.</translation>
    </message>
    <message>
        <source>O&amp;pen a set…</source>
        <translation>Obre un &amp;joc…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Tria els dibuixos de dos en dos, cadascun seguit de la seva parella, o arrossega’ls aquí. Cada carta es veu com la mostra el tauler en aquesta pantalla: les files ombrejades queden tallades a la carta més petita que pot tenir el joc. Cada rètol és el que un lector de pantalla diu de la seva carta.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>S’està aturant…</translation>
    </message>
    <message>
        <source>&amp;Undo removal</source>
        <translation>&amp;Desfés la supressió</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporta…</translation>
    </message>
    <message>
        <source>Save the set as one .zip file to share</source>
        <translation>Desa el joc com un sol fitxer .zip per compartir-lo</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>Add a set shared as a .zip file</source>
        <translation>Afegeix un joc compartit com a fitxer .zip</translation>
    </message>
    <message numerus="yes">
        <source>Opened the set &quot;%1&quot;: %n pairs.</source>
        <translation>
            <numerusform>S’ha obert el joc «%1»: %n parella.</numerusform>
            <numerusform>S’ha obert el joc «%1»: %n parelles.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</source>
        <translation>Aparellats en l’ordre triat: %1. Per aparellar un dibuix amb un altre, fes servir «Canvia amb…» a sota.</translation>
    </message>
    <message>
        <source>Choose picture %1 of pair %2</source>
        <translation>Tria el dibuix %1 de la parella %2</translation>
    </message>
    <message>
        <source>Choose the partner of pair %1</source>
        <translation>Tria la parella del dibuix de la parella %1</translation>
    </message>
    <message>
        <source>Open a set</source>
        <translation>Obre un joc</translation>
    </message>
    <message>
        <source>Your sets in %1:</source>
        <translation>Els teus jocs a %1:</translation>
    </message>
    <message>
        <source>Your sets</source>
        <translation>Els teus jocs</translation>
    </message>
    <message>
        <source>No set yet: make one and save it.</source>
        <translation>Encara no hi ha cap joc: crea’n un i desa’l.</translation>
    </message>
    <message>
        <source>Leave this set unsaved?</source>
        <translation>Vols deixar aquest joc sense desar?</translation>
    </message>
    <message>
        <source>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</source>
        <translation>Aquest joc no s’ha desat. Vols obrir «%1» i deixar-lo sense desar?</translation>
    </message>
    <message>
        <source>Save the set before exporting it.</source>
        <translation>Desa el joc abans d’exportar-lo.</translation>
    </message>
    <message>
        <source>Export the set as a .zip file</source>
        <translation>Exporta el joc com a fitxer .zip</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Fitxers zip (*.zip)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>S’està exportant…</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>S’ha exportat a %1.</translation>
    </message>
    <message>
        <source>Nothing was exported:</source>
        <translation>No s’ha exportat res:</translation>
    </message>
    <message>
        <source>Import a set from a .zip file</source>
        <translation>Importa un joc d’un fitxer .zip</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>S’està important…</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>No s’ha importat res:</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>S’està desant…</translation>
    </message>
    <message>
        <source>Pair %1 removed; Ctrl+Z puts it back. %2</source>
        <translation>S’ha tret la parella %1; Ctrl+Z la torna. %2</translation>
    </message>
    <message>
        <source>picture %1 of pair %2: %3</source>
        <translation>dibuix %1 de la parella %2: %3</translation>
    </message>
    <message>
        <source>A picture waits for its partner.</source>
        <translation>Un dibuix espera la seva parella.</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Dibuix…</translation>
    </message>
    <message>
        <source>Exchange…</source>
        <translation>Canvia amb…</translation>
    </message>
    <message>
        <source>Exchange picture %1 of pair %2 with one of another pair</source>
        <translation>Canvia el dibuix %1 de la parella %2 per un d’una altra parella</translation>
    </message>
    <message>
        <source>A camera&apos;s name: rename it to what the card shows.</source>
        <translation>És un nom de càmera: canvia’l pel que mostra la carta.</translation>
    </message>
    <message>
        <source>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</source>
        <translation>⚠ En aquesta pantalla (%1×%2) un tauler de %3 parelles en talla el dibuix (files %4–%5 %): una carta mostra les files %6–%7 %.</translation>
    </message>
    <message>
        <source>Choose its par&amp;tner…</source>
        <translation>Tria’n la &amp;parella…</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>no clock, %1 s</source>
        <translation>sense rellotge, %1 s</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Back to the game over</source>
        <translation>Torna al final de la partida</translation>
    </message>
    <message>
        <source>Back to the board</source>
        <translation>Torna al tauler</translation>
    </message>
    <message>
        <source>Play a new board</source>
        <translation>Juga un tauler nou</translation>
    </message>
    <message>
        <source>F9 shows the results of the run.</source>
        <translation>F9 mostra els resultats de la sessió.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 no es pot llegir</translation>
    </message>
    <message>
        <source>%1 is not a zip file that can be read: %2</source>
        <translation>%1 no és un fitxer zip que es pugui llegir: %2</translation>
    </message>
    <message>
        <source>%1: cannot be inflated: %2</source>
        <translation>%1: no es pot descomprimir: %2</translation>
    </message>
    <message>
        <source>%1: inflates to more than %2 MB, more than a picture</source>
        <translation>%1: es descomprimeix en més de %2 MB, més que un dibuix</translation>
    </message>
    <message>
        <source>%1: the pictures inflate to more than %2 MB together</source>
        <translation>%1: els dibuixos es descomprimeixen en més de %2 MB entre tots</translation>
    </message>
    <message>
        <source>%1: inflates more than %2 times, as no picture does</source>
        <translation>%1: es descomprimeix més de %2 vegades, cosa que cap dibuix no fa</translation>
    </message>
    <message>
        <source>%1: an absolute path, outside any set</source>
        <translation>%1: un camí absolut, fora de tot joc</translation>
    </message>
    <message>
        <source>%1: a path that leaves the set</source>
        <translation>%1: un camí que surt del joc</translation>
    </message>
    <message>
        <source>%1: a link, which no set holds</source>
        <translation>%1: un enllaç, que cap joc no conté</translation>
    </message>
    <message>
        <source>%1: a device or pipe, not a picture</source>
        <translation>%1: un dispositiu o una canonada, no un dibuix</translation>
    </message>
    <message>
        <source>%1: a second set beside %2; an archive holds one</source>
        <translation>%1: un segon joc al costat de %2; un arxiu en conté un</translation>
    </message>
    <message>
        <source>%1: a file outside the set&apos;s folder</source>
        <translation>%1: un fitxer fora de la carpeta del joc</translation>
    </message>
    <message>
        <source>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</source>
        <translation>%1: en un joc només hi van les carpetes &quot;1&quot; i &quot;2&quot;</translation>
    </message>
    <message>
        <source>%1: a file where the folder %2 belongs</source>
        <translation>%1: un fitxer on va la carpeta %2</translation>
    </message>
    <message>
        <source>%1: a folder inside %2, where only pictures belong</source>
        <translation>%1: una carpeta dins de %2, on només van dibuixos</translation>
    </message>
    <message>
        <source>%1: %2 MB, more than a picture</source>
        <translation>%1: %2 MB, més que un dibuix</translation>
    </message>
    <message>
        <source>%1: needs %2 MB to decode, more than the game allows</source>
        <translation>%1: necessita %2 MB per descodificar-se, més del que el joc permet</translation>
    </message>
    <message>
        <source>%1: not a picture the game reads</source>
        <translation>%1: no és un dibuix que el joc llegeixi</translation>
    </message>
    <message>
        <source>%1: a picture cut short</source>
        <translation>%1: un dibuix tallat</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries, more than a set</source>
        <translation>%1 conté més de %2 entrades, més que un joc</translation>
    </message>
    <message>
        <source>%1: twice in the archive</source>
        <translation>%1: dues vegades a l’arxiu</translation>
    </message>
    <message>
        <source>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</source>
        <translation>%1 no conté cap joc: una carpeta amb dibuixos a les seves carpetes &quot;1&quot; i &quot;2&quot;</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>no es pot escriure a %1: %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read</source>
        <translation>%1 ha canviat mentre es llegia</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no es pot escriure %1: %2</translation>
    </message>
    <message>
        <source>%1 is no set that can be read: its folder %2 is missing</source>
        <translation>%1 no és un joc que es pugui llegir: hi falta la carpeta %2</translation>
    </message>
    <message>
        <source>%1 cannot be read, or is too big to share</source>
        <translation>%1 no es pot llegir, o és massa gran per compartir-lo</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>parella %1: %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the set name %1 cannot be a folder&apos;s name</source>
        <translation>el nom de joc %1 no pot ser el d’una carpeta</translation>
    </message>
    <message>
        <source>the set name %1 cannot hold a &quot;/&quot;</source>
        <translation>el nom de joc %1 no pot contenir «/»</translation>
    </message>
    <message>
        <source>the set name %1 starts with &quot;.&quot;, which hides the set from the game</source>
        <translation>el nom de joc %1 comença amb «.», i així no apareixeria a la llista del joc</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no existeix aquest fitxer</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 no es pot llegir</translation>
    </message>
    <message>
        <source>%1 is not a picture</source>
        <translation>%1 no és un dibuix</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2)</source>
        <translation>%1 no es pot descodificar (%2)</translation>
    </message>
    <message>
        <source>cannot write the caption of %1</source>
        <translation>no es pot escriure el rètol de %1</translation>
    </message>
    <message>
        <source>a set named %1 already exists in %2</source>
        <translation>ja existeix un joc anomenat %1 a %2</translation>
    </message>
    <message>
        <source>no pictures: each pair needs two</source>
        <translation>no hi ha dibuixos: cada parella en necessita dos</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures: each pair needs two, so %1 has no partner</source>
        <translation>
            <numerusform>%n dibuix: cada parella en necessita dos, així que %1 no té parella</numerusform>
            <numerusform>%n dibuixos: cada parella en necessita dos, així que %1 no té parella</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no es pot crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1: %2</source>
        <translation>no es pot moure el joc nou a %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a set: nothing was replaced</source>
        <translation>%1 és un fitxer, no un joc: no s’ha substituït res</translation>
    </message>
    <message>
        <source>cannot keep %1 of the set replaced: %2</source>
        <translation>no es pot conservar %1 del joc substituït: %2</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>el disc és ple (%1)</translation>
    </message>
    <message>
        <source>the set has no name: a name needs a letter, digit or sign</source>
        <translation>el joc no té nom: un nom necessita una lletra, una xifra o un signe</translation>
    </message>
    <message>
        <source>the set name %1 holds a control character</source>
        <translation>el nom de joc %1 conté un caràcter de control</translation>
    </message>
    <message>
        <source>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</source>
        <translation>el nom de joc és massa llarg: %1 bytes, quan el nom d’una carpeta n’admet 255</translation>
    </message>
    <message>
        <source>the set name %1 holds %2, which the disk of %3 does not allow in a name</source>
        <translation>el nom de joc %1 conté %2, que el disc de %3 no admet en un nom</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>%1 és una carpeta, no un dibuix</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or pipe</source>
        <translation>%1 no és un fitxer sinó un dispositiu o una canonada</translation>
    </message>
    <message>
        <source>%1 is too big for a picture: %2 MB</source>
        <translation>%1 és massa gran per a un dibuix: %2 MB</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, twice in pair %3</source>
        <translation>%1 i %2 són el mateix dibuix, dues vegades a la parella %3</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, in pairs %3 and %4</source>
        <translation>%1 i %2 són el mateix dibuix, a les parelles %3 i %4</translation>
    </message>
    <message>
        <source>cannot write the copy of %1: %2</source>
        <translation>no es pot escriure la còpia de %1: %2</translation>
    </message>
    <message>
        <source>%1 needs %2 MB to decode, more than the %3 MB the game allows</source>
        <translation>%1 necessita %2 MB per descodificar-se, més dels %3 MB que el joc permet</translation>
    </message>
    <message>
        <source>%1 is cut short: its end is missing</source>
        <translation>%1 està tallat: li falta el final</translation>
    </message>
    <message>
        <source>cannot encode the copy of %1 (%2)</source>
        <translation>no es pot codificar la còpia de %1 (%2)</translation>
    </message>
    <message>
        <source>the set name %1 looks like that of the set %2 in the game&apos;s list</source>
        <translation>el nom de joc %1 s’assembla al del joc %2 de la llista del joc</translation>
    </message>
    <message>
        <source>a set named %1 already lies in %2, which the game plays instead: choose another name</source>
        <translation>ja hi ha un joc anomenat %1 a %2, i el joc fa servir aquell: tria un altre nom</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs: a set holds %1 at most</source>
        <translation>
            <numerusform>%n parella: un joc en conté %1 com a màxim</numerusform>
            <numerusform>%n parelles: un joc en conté %1 com a màxim</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>no es pot escriure a la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the set name is too long for the disk of %1</source>
        <translation>el nom de joc és massa llarg per al disc de %1</translation>
    </message>
    <message>
        <source>the disk of %1 does not allow the set name %2: %3</source>
        <translation>el disc de %1 no admet el nom de joc %2: %3</translation>
    </message>
    <message>
        <source>saving was cancelled: nothing was written</source>
        <translation>s’ha cancel·lat el desament: no s’ha escrit res</translation>
    </message>
    <message>
        <source>there is no set %1 that can be read in %2</source>
        <translation>no hi ha cap joc %1 que es pugui llegir a %2</translation>
    </message>
    <message>
        <source>%1 has no partner and is left out</source>
        <translation>%1 no té parella i queda fora</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n parella</numerusform>
            <numerusform>%n parelles</numerusform>
        </translation>
    </message>
    <message>
        <source>no board yet</source>
        <translation>encara no hi ha tauler</translation>
    </message>
    <message>
        <source>boards of %1</source>
        <translation>taulers de %1</translation>
    </message>
    <message>
        <source>boards of %1 and %2</source>
        <translation>taulers de %1 i %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 give boards of %4</source>
        <translation>%1: %2; %3 donen taulers de %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more pairs</source>
        <translation>
            <numerusform>%n parella més</numerusform>
            <numerusform>%n parelles més</numerusform>
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
        <translation>Ús: zindle-sets [CARPETA] [--sheet FITXER.png [--pairs N] [--screen AxA]]
    zindle-sets --new [NOM PRIMER1 SEGON1 PRIMER2 SEGON2 ... [--replace]]
    zindle-sets --edit NOM
    zindle-sets --export NOM FITXER.zip
    zindle-sets --import FITXER.zip [--replace]

Revisa els jocs de dibuixos de Zindle tal com el tauler del joc els reparteix i els
mostra: el mateix llistat, la mateixa lectura dels dibuixos (en paral·lel, com el
tauler) i la mateixa disposició de cartes. Sense CARPETA revisa tots els jocs que llista
la finestra de preparació, de tots els llocs d’on el joc llegeix jocs, cadascun sota la
carpeta on és (si un nom és en dos llocs, el joc fa servir el primer: mira la pàgina
del manual). CARPETA pot ser una carpeta de jocs, o un joc: una carpeta que conté les
carpetes &quot;1&quot; i &quot;2&quot;.

Un joc són dues carpetes. El fitxer p de &quot;1&quot; i el fitxer p de &quot;2&quot;, comptats tots dos per
ordre de nom sense distingir majúscules, formen la parella p; els fitxers ocults (amb un
&quot;.&quot; al davant) no compten. El nombre de fitxers de &quot;1&quot; decideix quants nombres de
parelles (6 10 12 15 21 28 36) ofereix la finestra de preparació.
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
        <translation>Cada línia de l’informe és una troballa, en anglès. La primera paraula diu què és; el nom
del joc segueix entre cometes dobles (una cometa, barra inversa o caràcter de control en
un nom o nom de fitxer s’escriu \&quot;, \\ o \uXXXX). Les parelles es numeren des d’1, per
ordre de nom.
  set &quot;S&quot; &quot;FOLDER&quot;           on és el joc
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        els nombres de parelles que ofereix la finestra de
                             preparació, o &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        els dos fitxers de la parella P (&quot;-&quot; si &quot;2&quot; no en té)
  error &quot;S&quot;: ...             el joc no es pot jugar: una carpeta &quot;1&quot; o &quot;2&quot; que falta
                             o no es pot llegir, o cap parella que es pugui repartir
  warning &quot;S&quot; pair P: never dealt: ...
                             el tauler deixa la parella fora de totes les partides:
                             &quot;2&quot; no té cap fitxer per a ella, o un dels seus fitxers
                             no és un fitxer normal, no es pot llegir, no és un
                             dibuix que el joc llegeixi, és massa gran per
                             descodificar-lo o no es pot descodificar (segueix el
                             motiu)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             el tauler mostra un dibuix tan ample com la seva carta i
                             en retalla la part de dalt i de baix quan la carta és
                             més baixa que el dibuix; el traç del dibuix no cau
                             sencer a les files mostrades amb alguns nombres de
                             parelles i pantalles oferts (primer s’anomena el que en
                             mostra menys, després cada pantalla amb els seus nombres
                             de parelles). El traç són les files amb algun píxel que
                             difereix en més de 48 de 255 en un canal del color que
                             tenen la majoria dels píxels de la vora del dibuix: el
                             paper. Una foto és traç fins a les vores. Les files són
                             percentatges de l’altura del dibuix des de dalt. Les
                             pantalles: 1280x1024, 1366x768, 1920x1080, 1920x1200,
                             2560x1080, 3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             dues parelles tenen dibuixos que es veuen iguals, així
                             que un jugador no pot saber quines dues cartes van juntes
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             la majoria de parelles tenen el mateix nom de fitxer
                             (sense l’extensió) a &quot;1&quot; i &quot;2&quot;, però aquesta no: sovint
                             un fitxer que falta o mal anomenat, que desordena els noms
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (la foto es veu girada com volia la seva càmera)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             el rètol és el títol que porta el fitxer del dibuix (un
                             text PNG &quot;Title&quot; o &quot;Description&quot;, XMP dc:title o
                             dc:description, EXIF ImageDescription) o, si no, el seu
                             nom de fitxer
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Estat de sortida: 0 quan tots els jocs es poden jugar amb els nombres de parelles que
ofereixen sense res a advertir; 1 quan hi ha advertiments; 2 quan un joc no es pot jugar,
quan no hi ha cap joc o no existeix la carpeta, quan un joc no es pot crear, editar,
exportar o importar, o amb un error d’ús.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcions:</translation>
    </message>
    <message>
        <source>%1 (try &apos;zindle-sets --help&apos;)</source>
        <translation>%1 (prova &apos;zindle-sets --help&apos;)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no es pot escriure a la sortida estàndard: %1</translation>
    </message>
    <message>
        <source>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</source>
        <translation>%1 té el rètol %2, un nom de càmera que no diu res al jugador: dona-li’n un altre amb --edit</translation>
    </message>
    <message>
        <source>shows this text</source>
        <translation>mostra aquest text</translation>
    </message>
    <message>
        <source>shows the program&apos;s version</source>
        <translation>mostra la versió del programa</translation>
    </message>
    <message>
        <source>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</source>
        <translation>també dibuixa les parelles de cada joc una al costat de l’altra: el número de parella, cada dibuix en un requadre de carta exactament com el mostra el tauler, retallat, sobre el fons de carta &quot;fondo.jpg&quot; al costat de zindle-sets si n’hi ha, i els dos noms de fitxer a sota; una creu vermella marca un dibuix que no es reparteix mai. Com a màxim 120 parelles per joc. zindle-sets no escriu res més que aquest fitxer.</translation>
    </message>
    <message>
        <source>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</source>
        <translation>el tauler que mostra el full: 6, 10, 12, 15, 21, 28 o 36 parelles (per defecte 36)</translation>
    </message>
    <message>
        <source>its screen in logical pixels (default 1920x1080)</source>
        <translation>la seva pantalla en píxels lògics (per defecte 1920x1080)</translation>
    </message>
    <message>
        <source>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</source>
        <translation>sola: obre la finestra per crear jocs. Amb NOM PRIMER1 SEGON1 ...: crea el joc NOM amb els dibuixos donats, una parella cada dos en ordre, sense finestra, i n’escriu la carpeta: &quot;Zindle/NOM&quot; a la carpeta d’imatges (~/.local/share/zindle/graficos/NOM si no n’hi ha). Les còpies de les seves carpetes &quot;1&quot; i &quot;2&quot; es diuen 01, 02 ... a totes dues, redreçades, de com a màxim 2048 píxels de llarg, i porten el rètol de cada dibuix (el seu propi títol o, si no, el nom de fitxer). Els originals només es llegeixen. En un terminal mostra el progrés. Un joc que no es pot crear (un nom que no pot ser d’una carpeta o que s’assembla al d’un altre joc, un nombre senar de dibuixos, un fitxer que falta, que no és un dibuix, tallat o donat dues vegades, un joc d’aquest nom que ja hi és, un disc ple) s’indica a la sortida d’errors, no s’escriu res i l’estat de sortida és 2</translation>
    </message>
    <message>
        <source>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</source>
        <translation>amb --new NOM o --import: substitueix el joc d’aquest nom un cop el nou és complet (un joc que és un enllaç: només l’enllaç)</translation>
    </message>
    <message>
        <source>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</source>
        <translation>NOM: obre el joc NOM a la finestra per crear jocs, amb les seves parelles i rètols; en desar-lo només s’escriu el que ha canviat</translation>
    </message>
    <message>
        <source>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</source>
        <translation>NOM FITXER.zip: escriu el joc NOM en un fitxer zip que qualsevol ordinador obre, amb NOM/1/... i NOM/2/..., els rètols dins dels dibuixos</translation>
    </message>
    <message>
        <source>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</source>
        <translation>FITXER.zip: crea el joc que conté el fitxer zip, després de revisar-lo sencer (un joc, les seves carpetes &quot;1&quot; i &quot;2&quot; de dibuixos, res més, dins de les mides d’un joc); cada rebuig anomena l’entrada i diu per què</translation>
    </message>
    <message>
        <source>--new, --edit, --export and --import go one at a time</source>
        <translation>--new, --edit, --export i --import van d’un en un</translation>
    </message>
    <message>
        <source>--sheet, --pairs and --screen go with a check alone</source>
        <translation>--sheet, --pairs i --screen només van amb una revisió</translation>
    </message>
    <message>
        <source>--replace goes with --new NAME or --import</source>
        <translation>--replace va amb --new NOM o --import</translation>
    </message>
    <message>
        <source>--export takes a set&apos;s NAME and FILE.zip</source>
        <translation>--export necessita el NOM d’un joc i FITXER.zip</translation>
    </message>
    <message>
        <source>--import takes one FILE.zip</source>
        <translation>--import necessita un sol FITXER.zip</translation>
    </message>
    <message>
        <source>importing: %1 of %2 pictures</source>
        <translation>important: %1 de %2 dibuixos</translation>
    </message>
    <message>
        <source>saving: %1 of %2 pictures</source>
        <translation>desant: %1 de %2 dibuixos</translation>
    </message>
    <message>
        <source>--edit takes a set&apos;s NAME</source>
        <translation>--edit necessita el NOM d’un joc</translation>
    </message>
    <message>
        <source>--new takes a NAME and its pictures, or nothing</source>
        <translation>--new necessita un NOM i els seus dibuixos, o res</translation>
    </message>
    <message>
        <source>this maker&apos;s window cannot open a set</source>
        <translation>aquesta finestra per crear jocs no pot obrir cap joc</translation>
    </message>
    <message>
        <source>one folder at most</source>
        <translation>com a màxim una carpeta</translation>
    </message>
    <message>
        <source>--pairs takes 6, 10, 12, 15, 21, 28 or 36</source>
        <translation>--pairs admet 6, 10, 12, 15, 21, 28 o 36</translation>
    </message>
    <message>
        <source>--screen takes a size such as 1920x1080</source>
        <translation>--screen admet una mida com ara 1920x1080</translation>
    </message>
    <message>
        <source>--pairs and --screen choose the board of --sheet</source>
        <translation>--pairs i --screen trien el tauler de --sheet</translation>
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
        <translation>Una nota més, sobre els rètols:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             amb el seu nivell de puntuació habitual, un lector de
                             pantalla diu : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ = com
                             a paraules, així que &quot;rellotge: 10:15&quot; se sent
                             &quot;rellotge dos punts 10 dos punts 15&quot;; una coma només el
                             fa aturar-se un moment
</translation>
    </message>
    <message>
        <source>the set maker&apos;s window needs a display, and there is none</source>
        <translation>la finestra del creador de jocs necessita una pantalla, i no n&apos;hi ha cap</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>No s’ha triat cap carpeta d’imatges.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>La carpeta d’imatges «%1» ja no hi és.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>No hi ha cap carpeta d’imatges que es digui «%1».</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>La carpeta d’imatges «%1» no es pot obrir: necessita dues carpetes, «1» i «2», que es puguin llegir.</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>La carpeta d’imatges «%1» no té cap parella d’imatges.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>La carpeta d’imatges «%1» no té cap parella d’imatges que es pugui mostrar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D’acord</translation>
    </message>
    <message>
        <source>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</source>
        <translation>El joc d&apos;imatges «%1» no s&apos;ha pogut repartir a temps: les seves carpetes tenen massa fitxers que no són imatges, o responen massa a poc a poc.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n parella</numerusform>
            <numerusform>%n parelles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no hi ha pantalla: no s’ha definit ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>el servidor X de la pantalla %1 no respon</translation>
    </message>
    <message>
        <source>Pairs game: find the pictures that belong together</source>
        <translation>Joc de parelles: troba els dibuixos que van junts</translation>
    </message>
    <message>
        <source>Play at your own pace: the clock counts the seconds played and never runs out.</source>
        <translation>Juga al teu ritme: el rellotge compta els segons jugats i no s’acaba mai.</translation>
    </message>
    <message>
        <source>Play against the clock.</source>
        <translation>Juga contra rellotge.</translation>
    </message>
    <message>
        <source>%1: the preference is not kept: %2: %3
</source>
        <translation>%1: la preferència no es conserva: %2: %3
</translation>
    </message>
    <message>
        <source>no display: Qt has no platform called %1</source>
        <translation>no hi ha pantalla: Qt no té cap plataforma anomenada %1</translation>
    </message>
    <message>
        <source>no display: no Wayland compositor answers at %1</source>
        <translation>no hi ha pantalla: cap compositor Wayland no respon a %1</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>no hi ha pantalla: no s’ha definit DISPLAY</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Repartint les cartes…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Dealing the cards… %1 %</source>
        <translation>Repartint les cartes… %1 %</translation>
    </message>
</context>
</TS>
