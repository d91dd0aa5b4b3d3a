<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>No picture set is chosen.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>The picture set «%1» is no longer there.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>There is no picture set called «%1».</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>The picture set «%1» holds no pair of pictures.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>The picture set «%1» has no pair of pictures that can be shown.</translation>
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
        <translation>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>the X server of display %1 does not answer</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Dealing the cards…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
