<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>Теку з малюнками не вибрано.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>Теки з малюнками «%1» більше немає.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>Немає теки з малюнками з назвою «%1».</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>Теку з малюнками «%1» не вдається відкрити: у ній мають бути дві теки, «1» і «2», які можна прочитати.</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>У теці з малюнками «%1» немає жодної пари малюнків.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>У теці з малюнками «%1» немає жодної пари малюнків, яку можна показати.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>немає дисплея: не задано ні DISPLAY, ні WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>X-сервер дисплея %1 не відповідає</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Роздаємо картки…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
</TS>
