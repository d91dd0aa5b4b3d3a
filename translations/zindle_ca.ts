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
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>parella %1: %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the game deals boards of %1 pairs and more: this set of %2 offers none yet</source>
        <translation>el joc reparteix taulers de %1 parelles o més: aquest joc de %2 encara no n’ofereix cap</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>el joc no té nom</translation>
    </message>
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
        <source>cannot write the copy of %1 (%2)</source>
        <translation>no es pot escriure la còpia de %1 (%2)</translation>
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
        <source>cannot write in the folder %1</source>
        <translation>no es pot escriure a la carpeta %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1</source>
        <translation>no es pot moure el joc nou a %1</translation>
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
</context>
</TS>
