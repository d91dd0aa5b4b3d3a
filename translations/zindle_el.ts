<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>Δεν έχει επιλεγεί φάκελος εικόνων.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>Ο φάκελος εικόνων «%1» δεν υπάρχει πια.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>Δεν υπάρχει φάκελος εικόνων με το όνομα «%1».</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>Ο φάκελος εικόνων «%1» δεν ανοίγει: χρειάζεται δύο φακέλους, «1» και «2», που να διαβάζονται.</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>Ο φάκελος εικόνων «%1» δεν έχει κανένα ζευγάρι εικόνων.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>Ο φάκελος εικόνων «%1» δεν έχει κανένα ζευγάρι εικόνων που να μπορεί να εμφανιστεί.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
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
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Μοίρασμα των καρτών…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
</context>
</TS>
