<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>Es ist kein Bilderordner gewählt.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>Der Bilderordner „%1“ ist nicht mehr da.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>Es gibt keinen Bilderordner namens „%1“.</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>Der Bilderordner „%1“ lässt sich nicht öffnen: Er braucht zwei lesbare Ordner, „1“ und „2“.</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>Der Bilderordner „%1“ enthält kein Bilderpaar.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>Der Bilderordner „%1“ hat kein Bilderpaar, das sich zeigen lässt.</translation>
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
        <translation>kein Bildschirm: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>der X-Server des Bildschirms %1 antwortet nicht</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Die Karten werden ausgeteilt…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
