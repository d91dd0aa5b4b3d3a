<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>Aucun dossier d’images n’est choisi.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>Le dossier d’images « %1 » n’est plus là.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>Il n’y a pas de dossier d’images appelé « %1 ».</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>Le dossier d’images « %1 » ne peut pas être ouvert : il lui faut deux dossiers lisibles, « 1 » et « 2 ».</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>Le dossier d’images « %1 » ne contient aucune paire d’images.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>Le dossier d’images « %1 » n’a aucune paire d’images qui puisse être affichée.</translation>
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
        <translation>pas d’écran : ni DISPLAY ni WAYLAND_DISPLAY n’est défini</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>le serveur X de l’écran %1 ne répond pas</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Distribution des cartes…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
