<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
</TS>
