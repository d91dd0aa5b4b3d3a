<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Announcements</name>
    <message numerus="yes">
        <source>%1, %n pairs</source>
        <translation>
            <numerusform>%1, %n Paar</numerusform>
            <numerusform>%1, %n Paare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pairs, no clock</source>
        <translation>
            <numerusform>%1, %n Paar, ohne Uhr</numerusform>
            <numerusform>%1, %n Paare, ohne Uhr</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>noch %n Sekunde</numerusform>
            <numerusform>noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds played</source>
        <translation>
            <numerusform>%n Sekunde gespielt</numerusform>
            <numerusform>%n Sekunden gespielt</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair found, %1 of %2</source>
        <translation>Paar gefunden, %1 von %2</translation>
    </message>
    <message>
        <source>Not a pair</source>
        <translation>Kein Paar</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Make a picture set</source>
        <translation>Bilderset erstellen</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>&amp;Name des Sets:</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Name des Sets</translation>
    </message>
    <message>
        <source>as the game&apos;s list shows it</source>
        <translation>wie die Liste des Spiels es zeigt</translation>
    </message>
    <message>
        <source>&amp;Add pictures…</source>
        <translation>Bilder &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Wähle die Bilder paarweise, jedes gefolgt von seinem Partner, oder lege sie hier ab. Jede Karte erscheint so, wie das Brett sie zeigt: Die schattierten Zeilen schneidet die kleinste Karte ab, die das Set bekommen kann. Jede Beschriftung ist das, was ein Bildschirmleser von ihrer Karte sagt.</translation>
    </message>
    <message>
        <source>How to make a set</source>
        <translation>So entsteht ein Set</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paare</translation>
    </message>
    <message>
        <source>Pairs in the set</source>
        <translation>Paare im Set</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the set</source>
        <translation>Das Set speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Choose pictures, each followed by its partner</source>
        <translation>Bilder wählen, jedes gefolgt von seinem Partner</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>Ohne Speichern schließen?</translation>
    </message>
    <message>
        <source>The set has not been saved. Close and leave it unsaved?</source>
        <translation>Das Set ist nicht gespeichert. Schließen, ohne es zu speichern?</translation>
    </message>
    <message>
        <source>Replace the set?</source>
        <translation>Das Set ersetzen?</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Replace it with this one?</source>
        <translation>Ein Set namens „%1“ gibt es schon. Durch dieses ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Nothing was saved:</source>
        <translation>Nichts wurde gespeichert:</translation>
    </message>
    <message>
        <source>Saved in %1. The game lists the set as &quot;%2&quot;.</source>
        <translation>Gespeichert in %1. Das Spiel listet das Set als „%2“.</translation>
    </message>
    <message>
        <source>No pairs yet: add pictures, or drop them here.</source>
        <translation>Noch keine Paare: Bilder hinzufügen oder hier ablegen.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n Paar</numerusform>
            <numerusform>%n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>and a picture waiting for its partner</source>
        <translation>und ein Bild, das auf seinen Partner wartet</translation>
    </message>
    <message>
        <source>The game deals boards of %1 pairs and more.</source>
        <translation>Das Spiel teilt Bretter ab %1 Paaren aus.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Paar %1</translation>
    </message>
    <message>
        <source>Add its partner with “Add pictures…”.</source>
        <translation>Füge seinen Partner mit „Bilder hinzufügen…“ hinzu.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Move pair %1 up</source>
        <translation>Paar %1 nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Move pair %1 down</source>
        <translation>Paar %1 nach unten</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Swap the pictures of pair %1</source>
        <translation>Die Bilder von Paar %1 tauschen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove pair %1</source>
        <translation>Paar %1 entfernen</translation>
    </message>
    <message>
        <source>Picture %1 of pair %2 as the board shows it</source>
        <translation>Bild %1 von Paar %2, wie das Brett es zeigt</translation>
    </message>
    <message>
        <source>File of picture %1 of pair %2</source>
        <translation>Datei von Bild %1 in Paar %2</translation>
    </message>
    <message>
        <source>Caption of picture %1 of pair %2</source>
        <translation>Beschriftung von Bild %1 in Paar %2</translation>
    </message>
    <message>
        <source>What a screen reader says of the card</source>
        <translation>Was ein Bildschirmleser von der Karte sagt</translation>
    </message>
    <message>
        <source>Not a picture the game reads: the set cannot be saved with it.</source>
        <translation>Kein Bild, das das Spiel liest: Mit ihm kann das Set nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</source>
        <translation>⚠ Das Brett schneidet seine Zeichnung ab (Zeilen %1–%2 %): Bei %3 Paaren auf einem %4×%5-Bildschirm zeigt eine Karte die Zeilen %6–%7 %.</translation>
    </message>
    <message>
        <source>Every board shows all of it.</source>
        <translation>Jedes Brett zeigt es ganz.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Jedes Brett zeigt seine Zeichnung; die kleinste Karte zeigt die Zeilen %1–%2 %.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>How the board shows it</source>
        <translation>Wie das Brett es zeigt</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>no clock, %1 s</source>
        <translation>ohne Uhr, %1 s</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the game deals boards of %1 pairs and more: this set of %2 offers none yet</source>
        <translation>das Spiel teilt Bretter ab %1 Paaren aus: dieses Set mit %2 bietet noch keins</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>das Set hat keinen Namen</translation>
    </message>
    <message>
        <source>the set name %1 cannot be a folder&apos;s name</source>
        <translation>der Set-Name %1 kann kein Ordnername sein</translation>
    </message>
    <message>
        <source>the set name %1 cannot hold a &quot;/&quot;</source>
        <translation>der Set-Name %1 darf kein „/“ enthalten</translation>
    </message>
    <message>
        <source>the set name %1 starts with &quot;.&quot;, which hides the set from the game</source>
        <translation>der Set-Name %1 beginnt mit „.“, was das Set vor dem Spiel versteckt</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: keine solche Datei</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a picture</source>
        <translation>%1 ist kein Bild</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2)</source>
        <translation>%1 kann nicht dekodiert werden (%2)</translation>
    </message>
    <message>
        <source>cannot write the copy of %1 (%2)</source>
        <translation>die Kopie von %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>cannot write the caption of %1</source>
        <translation>die Beschriftung von %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>a set named %1 already exists in %2</source>
        <translation>ein Set namens %1 gibt es schon in %2</translation>
    </message>
    <message>
        <source>no pictures: each pair needs two</source>
        <translation>keine Bilder: jedes Paar braucht zwei</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures: each pair needs two, so %1 has no partner</source>
        <translation>
            <numerusform>%n Bild: jedes Paar braucht zwei, also hat %1 keinen Partner</numerusform>
            <numerusform>%n Bilder: jedes Paar braucht zwei, also hat %1 keinen Partner</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write in the folder %1</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot move the new set into %1</source>
        <translation>das neue Set kann nicht nach %1 verschoben werden</translation>
    </message>
</context>
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
    <message>
        <source>Pairs game: find the pictures that belong together</source>
        <translation>Paarspiel: finde die Bilder, die zusammengehören</translation>
    </message>
    <message>
        <source>Play at your own pace: the clock counts the seconds played and never runs out.</source>
        <translation>Spiele in deinem Tempo: Die Uhr zählt die gespielten Sekunden und läuft nie ab.</translation>
    </message>
    <message>
        <source>Play against the clock.</source>
        <translation>Spiele gegen die Uhr.</translation>
    </message>
    <message>
        <source>no display: Qt has no platform called %1</source>
        <translation>kein Bildschirm: Qt hat keine Plattform namens %1</translation>
    </message>
    <message>
        <source>no display: no Wayland compositor answers at %1</source>
        <translation>kein Bildschirm: kein Wayland-Compositor antwortet unter %1</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>kein Bildschirm: DISPLAY ist nicht gesetzt</translation>
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
