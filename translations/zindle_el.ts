<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>Startup</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>καμία οθόνη: δεν έχει οριστεί ούτε η DISPLAY ούτε η WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>ο διακομιστής X της οθόνης %1 δεν απαντά</translation>
    </message>
</context>
</TS>
