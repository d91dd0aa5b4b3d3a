<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>Nenhuma pasta de imagens foi escolhida.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>A pasta de imagens “%1” não está mais lá.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>Não existe nenhuma pasta de imagens chamada “%1”.</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>A pasta de imagens “%1” não pode ser aberta: ela precisa de duas pastas, “1” e “2”, que possam ser lidas.</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>A pasta de imagens “%1” não tem nenhum par de imagens.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>A pasta de imagens “%1” não tem nenhum par de imagens que possa ser mostrado.</translation>
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
        <translation>sem tela: nem DISPLAY nem WAYLAND_DISPLAY está definida</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>o servidor X da tela %1 não responde</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Distribuindo as cartas…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
