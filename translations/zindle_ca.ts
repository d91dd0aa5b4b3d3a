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
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Tria els dibuixos de dos en dos, cadascun seguit de la seva parella, o deixa’ls anar aquí. Cada carta es veu com la mostra el tauler: les files ombrejades es retallen a la carta més petita que pot tocar al joc. Cada rètol és el que un lector de pantalla diu de la seva carta.</translation>
    </message>
    <message>
        <source>How to make a set</source>
        <translation>Com crear un joc</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parelles</translation>
    </message>
    <message>
        <source>Pairs in the set</source>
        <translation>Parelles del joc</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Missatges</translation>
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
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n parella</numerusform>
            <numerusform>%n parelles</numerusform>
        </translation>
    </message>
    <message>
        <source>and a picture waiting for its partner</source>
        <translation>i un dibuix que espera la seva parella</translation>
    </message>
    <message>
        <source>The game deals boards of %1 pairs and more.</source>
        <translation>El joc reparteix taulers de %1 parelles o més.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Parella %1</translation>
    </message>
    <message>
        <source>Add its partner with “Add pictures…”.</source>
        <translation>Afegeix la seva parella amb «Afegeix dibuixos…».</translation>
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
        <source>File of picture %1 of pair %2</source>
        <translation>Fitxer del dibuix %1 de la parella %2</translation>
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
        <source>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</source>
        <translation>⚠ El tauler retalla el dibuix (files %1–%2 %): amb %3 parelles en una pantalla de %4×%5 una carta mostra les files %6–%7 %.</translation>
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
        <source>Warning</source>
        <translation>Avís</translation>
    </message>
    <message>
        <source>How the board shows it</source>
        <translation>Com el mostra el tauler</translation>
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
</context>
</TS>
