<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>Non è stata scelta nessuna cartella delle immagini.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>La cartella delle immagini «%1» non c’è più.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>Non esiste nessuna cartella delle immagini chiamata «%1».</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>La cartella delle immagini «%1» non si può aprire: servono due cartelle leggibili, «1» e «2».</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>La cartella delle immagini «%1» non contiene nessuna coppia di immagini.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>La cartella delle immagini «%1» non ha nessuna coppia di immagini che si possa mostrare.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nessuno schermo: né DISPLAY né WAYLAND_DISPLAY è impostata</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>il server X dello schermo %1 non risponde</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Distribuzione delle carte…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
