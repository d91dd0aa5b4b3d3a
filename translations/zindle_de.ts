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
    <message numerus="yes">
        <source>%1, %n seconds</source>
        <comment>The board, then its time limit</comment>
        <translation>
            <numerusform>%1, %n Sekunde</numerusform>
            <numerusform>%1, %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>Die Zeit ist um</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Die Zeit ist abgelaufen</translation>
    </message>
    <message numerus="yes">
        <source>Finished with %n seconds left</source>
        <translation>
            <numerusform>Fertig mit %n Sekunde übrig</numerusform>
            <numerusform>Fertig mit %n Sekunden übrig</numerusform>
        </translation>
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
        <source>Pairs</source>
        <translation>Paare</translation>
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
        <source>Every board shows all of it.</source>
        <translation>Jedes Brett zeigt es ganz.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Jedes Brett zeigt seine Zeichnung; die kleinste Karte zeigt die Zeilen %1–%2 %.</translation>
    </message>
    <message>
        <source>O&amp;pen a set…</source>
        <translation>&amp;Öffnen…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Wählen Sie die Bilder paarweise, jedes gefolgt von seinem Partner, oder ziehen Sie sie hierher. Jede Karte erscheint so, wie das Brett sie auf diesem Bildschirm zeigt: Die schattierten Zeilen schneidet die kleinste Karte ab, die das Set bekommen kann. Jede Beschriftung ist das, was ein Bildschirmleser von ihrer Karte sagt.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>&amp;Undo removal</source>
        <translation>Entfernen &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Save the set as one .zip file to share</source>
        <translation>Das Set als eine .zip-Datei zum Weitergeben speichern</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Add a set shared as a .zip file</source>
        <translation>Ein als .zip-Datei weitergegebenes Set hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Opened the set &quot;%1&quot;: %n pairs.</source>
        <translation>
            <numerusform>Set „%1“ geöffnet: %n Paar.</numerusform>
            <numerusform>Set „%1“ geöffnet: %n Paare.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</source>
        <translation>In der gewählten Reihenfolge gepaart: %1. Um ein Bild mit einem anderen zu paaren, nutzen Sie „Tauschen mit…“ darunter.</translation>
    </message>
    <message>
        <source>Choose picture %1 of pair %2</source>
        <translation>Bild %1 von Paar %2 wählen</translation>
    </message>
    <message>
        <source>Choose the partner of pair %1</source>
        <translation>Den Partner für Paar %1 wählen</translation>
    </message>
    <message>
        <source>Open a set</source>
        <translation>Ein Set öffnen</translation>
    </message>
    <message>
        <source>Your sets in %1:</source>
        <translation>Ihre Sets in %1:</translation>
    </message>
    <message>
        <source>Your sets</source>
        <translation>Ihre Sets</translation>
    </message>
    <message>
        <source>No set yet: make one and save it.</source>
        <translation>Noch kein Set: Erstellen und speichern Sie eines.</translation>
    </message>
    <message>
        <source>Leave this set unsaved?</source>
        <translation>Dieses Set ungespeichert lassen?</translation>
    </message>
    <message>
        <source>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</source>
        <translation>Dieses Set wurde nicht gespeichert. „%1“ öffnen und es ungespeichert lassen?</translation>
    </message>
    <message>
        <source>Save the set before exporting it.</source>
        <translation>Speichern Sie das Set, bevor Sie es exportieren.</translation>
    </message>
    <message>
        <source>Export the set as a .zip file</source>
        <translation>Das Set als .zip-Datei exportieren</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Zip-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Wird exportiert…</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportiert nach %1.</translation>
    </message>
    <message>
        <source>Nothing was exported:</source>
        <translation>Nichts wurde exportiert:</translation>
    </message>
    <message>
        <source>Import a set from a .zip file</source>
        <translation>Ein Set aus einer .zip-Datei importieren</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Wird importiert…</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Nichts wurde importiert:</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>Pair %1 removed; Ctrl+Z puts it back. %2</source>
        <translation>Paar %1 entfernt; Strg+Z holt es zurück. %2</translation>
    </message>
    <message>
        <source>picture %1 of pair %2: %3</source>
        <translation>Bild %1 von Paar %2: %3</translation>
    </message>
    <message>
        <source>A picture waits for its partner.</source>
        <translation>Ein Bild wartet auf seinen Partner.</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Bild…</translation>
    </message>
    <message>
        <source>Exchange…</source>
        <translation>Tauschen mit…</translation>
    </message>
    <message>
        <source>Exchange picture %1 of pair %2 with one of another pair</source>
        <translation>Bild %1 von Paar %2 mit einem eines anderen Paars tauschen</translation>
    </message>
    <message>
        <source>A camera&apos;s name: rename it to what the card shows.</source>
        <translation>Ein Kameraname: Benennen Sie sie nach dem, was die Karte zeigt.</translation>
    </message>
    <message>
        <source>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</source>
        <translation>⚠ Auf diesem Bildschirm (%1×%2) schneidet ein Brett mit %3 Paaren die Zeichnung (Zeilen %4–%5 %) ab: Eine Karte zeigt die Zeilen %6–%7 %.</translation>
    </message>
    <message>
        <source>Choose its par&amp;tner…</source>
        <translation>&amp;Partner wählen…</translation>
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
    <name>ResultsWindow</name>
    <message>
        <source>Back to the game over</source>
        <translation>Zurück zum Spielende</translation>
    </message>
    <message>
        <source>Back to the board</source>
        <translation>Zurück zum Spielfeld</translation>
    </message>
    <message>
        <source>Play a new board</source>
        <translation>Neues Spielfeld spielen</translation>
    </message>
    <message>
        <source>F9 shows the results of the run.</source>
        <translation>F9 zeigt die Ergebnisse dieser Sitzung.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a zip file that can be read: %2</source>
        <translation>%1 ist keine lesbare Zip-Datei: %2</translation>
    </message>
    <message>
        <source>%1: cannot be inflated: %2</source>
        <translation>%1: kann nicht entpackt werden: %2</translation>
    </message>
    <message>
        <source>%1: inflates to more than %2 MB, more than a picture</source>
        <translation>%1: entpackt auf mehr als %2 MB, mehr als ein Bild</translation>
    </message>
    <message>
        <source>%1: the pictures inflate to more than %2 MB together</source>
        <translation>%1: die Bilder entpacken zusammen auf mehr als %2 MB</translation>
    </message>
    <message>
        <source>%1: inflates more than %2 times, as no picture does</source>
        <translation>%1: entpackt sich mehr als %2-fach, wie es kein Bild tut</translation>
    </message>
    <message>
        <source>%1: an absolute path, outside any set</source>
        <translation>%1: ein absoluter Pfad, außerhalb jedes Sets</translation>
    </message>
    <message>
        <source>%1: a path that leaves the set</source>
        <translation>%1: ein Pfad, der das Set verlässt</translation>
    </message>
    <message>
        <source>%1: a link, which no set holds</source>
        <translation>%1: ein Link, den kein Set enthält</translation>
    </message>
    <message>
        <source>%1: a device or pipe, not a picture</source>
        <translation>%1: ein Gerät oder eine Pipe, kein Bild</translation>
    </message>
    <message>
        <source>%1: a second set beside %2; an archive holds one</source>
        <translation>%1: ein zweites Set neben %2; ein Archiv enthält eines</translation>
    </message>
    <message>
        <source>%1: a file outside the set&apos;s folder</source>
        <translation>%1: eine Datei außerhalb des Set-Ordners</translation>
    </message>
    <message>
        <source>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</source>
        <translation>%1: in ein Set gehören nur die Ordner &quot;1&quot; und &quot;2&quot;</translation>
    </message>
    <message>
        <source>%1: a file where the folder %2 belongs</source>
        <translation>%1: eine Datei, wo der Ordner %2 hingehört</translation>
    </message>
    <message>
        <source>%1: a folder inside %2, where only pictures belong</source>
        <translation>%1: ein Ordner in %2, wo nur Bilder hingehören</translation>
    </message>
    <message>
        <source>%1: %2 MB, more than a picture</source>
        <translation>%1: %2 MB, mehr als ein Bild</translation>
    </message>
    <message>
        <source>%1: needs %2 MB to decode, more than the game allows</source>
        <translation>%1: braucht zum Dekodieren %2 MB, mehr als das Spiel erlaubt</translation>
    </message>
    <message>
        <source>%1: not a picture the game reads</source>
        <translation>%1: kein Bild, das das Spiel liest</translation>
    </message>
    <message>
        <source>%1: a picture cut short</source>
        <translation>%1: ein abgeschnittenes Bild</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries, more than a set</source>
        <translation>%1 enthält mehr als %2 Einträge, mehr als ein Set</translation>
    </message>
    <message>
        <source>%1: twice in the archive</source>
        <translation>%1: zweimal im Archiv</translation>
    </message>
    <message>
        <source>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</source>
        <translation>%1 enthält kein Set: einen Ordner mit Bildern in seinen Ordnern &quot;1&quot; und &quot;2&quot;</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>kann nicht in %1 schreiben: %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read</source>
        <translation>%1 hat sich beim Lesen geändert</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1 is no set that can be read: its folder %2 is missing</source>
        <translation>%1 ist kein lesbares Set: sein Ordner %2 fehlt</translation>
    </message>
    <message>
        <source>%1 cannot be read, or is too big to share</source>
        <translation>%1 kann nicht gelesen werden oder ist zum Weitergeben zu groß</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>Paar %1: %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
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
        <source>cannot move the new set into %1: %2</source>
        <translation>kann das neue Set nicht nach %1 verschieben: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a set: nothing was replaced</source>
        <translation>%1 ist eine Datei, kein Set: nichts wurde ersetzt</translation>
    </message>
    <message>
        <source>cannot keep %1 of the set replaced: %2</source>
        <translation>kann %1 des ersetzten Sets nicht behalten: %2</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>die Festplatte ist voll (%1)</translation>
    </message>
    <message>
        <source>the set has no name: a name needs a letter, digit or sign</source>
        <translation>das Set hat keinen Namen: ein Name braucht einen Buchstaben, eine Ziffer oder ein Zeichen</translation>
    </message>
    <message>
        <source>the set name %1 holds a control character</source>
        <translation>der Set-Name %1 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</source>
        <translation>der Set-Name ist zu lang: %1 Bytes, wo der Name eines Ordners 255 fasst</translation>
    </message>
    <message>
        <source>the set name %1 holds %2, which the disk of %3 does not allow in a name</source>
        <translation>der Set-Name %1 enthält %2, was die Festplatte von %3 in einem Namen nicht erlaubt</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>%1 ist ein Ordner, kein Bild</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or pipe</source>
        <translation>%1 ist keine Datei, sondern ein Gerät oder eine Pipe</translation>
    </message>
    <message>
        <source>%1 is too big for a picture: %2 MB</source>
        <translation>%1 ist zu groß für ein Bild: %2 MB</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, twice in pair %3</source>
        <translation>%1 und %2 sind dasselbe Bild, zweimal in Paar %3</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, in pairs %3 and %4</source>
        <translation>%1 und %2 sind dasselbe Bild, in den Paaren %3 und %4</translation>
    </message>
    <message>
        <source>cannot write the copy of %1: %2</source>
        <translation>kann die Kopie von %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1 needs %2 MB to decode, more than the %3 MB the game allows</source>
        <translation>%1 braucht zum Dekodieren %2 MB, mehr als die %3 MB, die das Spiel erlaubt</translation>
    </message>
    <message>
        <source>%1 is cut short: its end is missing</source>
        <translation>%1 ist abgeschnitten: sein Ende fehlt</translation>
    </message>
    <message>
        <source>cannot encode the copy of %1 (%2)</source>
        <translation>kann die Kopie von %1 nicht kodieren (%2)</translation>
    </message>
    <message>
        <source>the set name %1 looks like that of the set %2 in the game&apos;s list</source>
        <translation>der Set-Name %1 sieht aus wie der des Sets %2 in der Liste des Spiels</translation>
    </message>
    <message>
        <source>a set named %1 already lies in %2, which the game plays instead: choose another name</source>
        <translation>ein Set namens %1 liegt schon in %2, und das Spiel spielt stattdessen jenes: wählen Sie einen anderen Namen</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs: a set holds %1 at most</source>
        <translation>
            <numerusform>%n Paar: ein Set enthält höchstens %1</numerusform>
            <numerusform>%n Paare: ein Set enthält höchstens %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>kann nicht in den Ordner %1 schreiben: %2</translation>
    </message>
    <message>
        <source>the set name is too long for the disk of %1</source>
        <translation>der Set-Name ist zu lang für die Festplatte von %1</translation>
    </message>
    <message>
        <source>the disk of %1 does not allow the set name %2: %3</source>
        <translation>die Festplatte von %1 erlaubt den Set-Namen %2 nicht: %3</translation>
    </message>
    <message>
        <source>saving was cancelled: nothing was written</source>
        <translation>das Speichern wurde abgebrochen: nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>there is no set %1 that can be read in %2</source>
        <translation>es gibt kein lesbares Set %1 in %2</translation>
    </message>
    <message>
        <source>%1 has no partner and is left out</source>
        <translation>%1 hat keinen Partner und bleibt außen vor</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n Paar</numerusform>
            <numerusform>%n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>no board yet</source>
        <translation>noch kein Brett</translation>
    </message>
    <message>
        <source>boards of %1</source>
        <translation>Bretter mit %1</translation>
    </message>
    <message>
        <source>boards of %1 and %2</source>
        <translation>Bretter mit %1 und %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 give boards of %4</source>
        <translation>%1: %2; %3 ergeben Bretter mit %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more pairs</source>
        <translation>
            <numerusform>%n weiteres Paar</numerusform>
            <numerusform>%n weitere Paare</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SetsCommand</name>
    <message>
        <source>Usage: zindle-sets [FOLDER] [--sheet FILE.png [--pairs N] [--screen WxH]]
       zindle-sets --new [NAME FIRST1 SECOND1 FIRST2 SECOND2 ... [--replace]]
       zindle-sets --edit NAME
       zindle-sets --export NAME FILE.zip
       zindle-sets --import FILE.zip [--replace]

Checks Zindle&apos;s picture sets the way the game&apos;s board deals and shows them: the same
listing, the same picture decoding (in parallel, as the board does) and the same card
layout. Without FOLDER it checks every set the game&apos;s setup window lists, from every
place the game reads sets from, each under the folder it lies in (where a name lies in
two places, the game plays the first: see the manual page). FOLDER may be a folder of
sets, or one set: a folder that holds the folders &quot;1&quot; and &quot;2&quot;.

A set is two folders. File p of &quot;1&quot; and file p of &quot;2&quot;, both counted in name order
ignoring case, form pair p; hidden files (a leading &quot;.&quot;) do not count. The number of
files in &quot;1&quot; decides which pair counts (6 10 12 15 21 28 36) the setup window offers.
</source>
        <translation>Aufruf: zindle-sets [ORDNER] [--sheet DATEI.png [--pairs N] [--screen BxH]]
        zindle-sets --new [NAME ERSTES1 ZWEITES1 ERSTES2 ZWEITES2 ... [--replace]]
        zindle-sets --edit NAME
        zindle-sets --export NAME DATEI.zip
        zindle-sets --import DATEI.zip [--replace]

Prüft die Bildersets von Zindle so, wie das Brett des Spiels sie austeilt und zeigt:
dieselbe Auflistung, dieselbe Bilddekodierung (parallel, wie das Brett) und dieselbe
Anordnung der Karten. Ohne ORDNER prüft es jedes Set, das das Einrichtungsfenster des
Spiels auflistet, von jedem Ort, aus dem das Spiel Sets liest, jedes unter dem Ordner,
in dem es liegt (liegt ein Name an zwei Orten, spielt das Spiel den ersten: siehe die
Handbuchseite). ORDNER kann ein Ordner mit Sets sein oder ein Set: ein Ordner, der die
Ordner &quot;1&quot; und &quot;2&quot; enthält.

Ein Set sind zwei Ordner. Datei p in &quot;1&quot; und Datei p in &quot;2&quot;, beide in Namensreihenfolge
ohne Beachtung der Groß- und Kleinschreibung gezählt, bilden Paar p; versteckte Dateien
(mit &quot;.&quot; am Anfang) zählen nicht. Die Zahl der Dateien in &quot;1&quot; entscheidet, welche
Paarzahlen (6 10 12 15 21 28 36) das Einrichtungsfenster anbietet.
</translation>
    </message>
    <message>
        <source>Every line of the report is one finding. Its first word says what it is; the set&apos;s name
follows in double quotes (a quote, backslash or control character in a name or file name
is written \&quot;, \\ or \uXXXX). Pairs are numbered from 1, in name order.
  set &quot;S&quot; &quot;FOLDER&quot;           where the set lies
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        the pair counts the setup window offers, or &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        the two files of pair P (&quot;-&quot; when &quot;2&quot; has none)
  error &quot;S&quot;: ...             the set cannot be played: a folder &quot;1&quot; or &quot;2&quot; that is
                             missing or unreadable, or no pair that can be dealt
  warning &quot;S&quot; pair P: never dealt: ...
                             the board leaves the pair out of every game: &quot;2&quot; has no
                             file for it, or one of its files is not a regular file,
                             cannot be read, is not a picture the game reads, is too
                             big to decode or cannot be decoded (the reason follows)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             the board shows a picture as wide as its card and clips
                             its top and bottom when the card is lower than the picture;
                             the picture&apos;s drawing does not lie wholly in the rows shown
                             on some offered pair counts and screens (the least shown
                             is named first, then every screen with its pair counts).
                             The drawing is every row holding a pixel that differs by
                             more than 48 of 255 in a colour channel from the colour
                             most of the picture&apos;s outermost pixels have: the paper.
                             A photo is drawing to its edges. Rows are percent of the
                             picture&apos;s height from its top. The screens: 1280x1024,
                             1366x768, 1920x1080, 1920x1200, 2560x1080, 3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             two pairs hold pictures that look the same, so a player
                             cannot tell which two cards belong together
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             most pairs have the same file name (extension aside) in
                             &quot;1&quot; and &quot;2&quot; but this one does not: often a file missing
                             or misnamed, so that the names sort apart
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (the photo shows turned as its camera meant it)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             the caption is the title the picture file carries (a PNG
                             &quot;Title&quot; or &quot;Description&quot; text, XMP dc:title or
                             dc:description, EXIF ImageDescription), else its file name
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Exit status: 0 when every set is playable at the pair counts it offers with nothing to
warn about; 1 when there are warnings; 2 when a set cannot be played, when there is no
set or no such folder, when a set cannot be made, edited, exported or imported, or on a
usage error.
</source>
        <translation>Jede Zeile des Berichts ist ein Befund, auf Englisch. Ihr erstes Wort sagt, was er ist;
der Name des Sets folgt in doppelten Anführungszeichen (ein Anführungszeichen, ein
Backslash oder ein Steuerzeichen in einem Namen oder Dateinamen wird als \&quot;, \\ oder
\uXXXX geschrieben). Paare sind ab 1 nummeriert, in Namensreihenfolge.
  set &quot;S&quot; &quot;FOLDER&quot;           wo das Set liegt
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        die Paarzahlen, die das Einrichtungsfenster anbietet,
                             oder &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        die zwei Dateien von Paar P (&quot;-&quot;, wenn &quot;2&quot; keine hat)
  error &quot;S&quot;: ...             das Set kann nicht gespielt werden: ein Ordner &quot;1&quot; oder
                             &quot;2&quot; fehlt oder ist nicht lesbar, oder kein Paar kann
                             ausgeteilt werden
  warning &quot;S&quot; pair P: never dealt: ...
                             das Brett lässt das Paar in jedem Spiel weg: &quot;2&quot; hat
                             keine Datei dafür, oder eine seiner Dateien ist keine
                             normale Datei, ist nicht lesbar, ist kein Bild, das das
                             Spiel liest, ist zum Dekodieren zu groß oder lässt sich
                             nicht dekodieren (der Grund folgt)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             das Brett zeigt ein Bild so breit wie seine Karte und
                             schneidet oben und unten ab, wenn die Karte niedriger
                             ist als das Bild; die Zeichnung des Bildes liegt bei
                             manchen angebotenen Paarzahlen und Bildschirmen nicht
                             ganz in den gezeigten Zeilen (der Fall, der am wenigsten
                             zeigt, wird zuerst genannt, dann jeder Bildschirm mit
                             seinen Paarzahlen). Die Zeichnung ist jede Zeile mit
                             einem Pixel, das in einem Farbkanal um mehr als 48 von
                             255 von der Farbe abweicht, die die meisten äußersten
                             Pixel des Bildes haben: dem Papier. Ein Foto ist bis zu
                             den Rändern Zeichnung. Zeilen sind Prozent der Bildhöhe
                             von oben. Die Bildschirme: 1280x1024, 1366x768,
                             1920x1080, 1920x1200, 2560x1080, 3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             zwei Paare haben Bilder, die gleich aussehen, sodass ein
                             Spieler nicht erkennt, welche zwei Karten zusammengehören
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             die meisten Paare haben in &quot;1&quot; und &quot;2&quot; denselben
                             Dateinamen (ohne Endung), dieses aber nicht: oft fehlt
                             eine Datei oder ist falsch benannt, sodass die Namen
                             auseinander sortiert werden
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (das Foto erscheint gedreht, wie seine Kamera es meinte)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             die Beschriftung ist der Titel, den die Bilddatei trägt
                             (ein PNG-Text &quot;Title&quot; oder &quot;Description&quot;, XMP dc:title
                             oder dc:description, EXIF ImageDescription), sonst ihr
                             Dateiname
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Exit-Status: 0, wenn jedes Set bei den angebotenen Paarzahlen spielbar ist und es nichts
zu warnen gibt; 1 bei Warnungen; 2, wenn ein Set nicht gespielt werden kann, wenn es kein
Set oder keinen solchen Ordner gibt, wenn ein Set nicht erstellt, bearbeitet, exportiert
oder importiert werden kann, oder bei einem Aufruffehler.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>%1 (try &apos;zindle-sets --help&apos;)</source>
        <translation>%1 (versuchen Sie &apos;zindle-sets --help&apos;)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht auf die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</source>
        <translation>%1 hat die Beschriftung %2, einen Kameranamen, der einem Spieler nichts sagt: geben Sie ihm mit --edit eine andere</translation>
    </message>
    <message>
        <source>shows this text</source>
        <translation>zeigt diesen Text</translation>
    </message>
    <message>
        <source>shows the program&apos;s version</source>
        <translation>zeigt die Version des Programms</translation>
    </message>
    <message>
        <source>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</source>
        <translation>zeichnet außerdem die Paare jedes Sets nebeneinander: die Paarnummer, jedes Bild in einem Kartenfeld genau so, wie das Brett es zeigt, beschnitten, über dem Kartenhintergrund &quot;fondo.jpg&quot; neben zindle-sets, wenn es ihn gibt, und darunter die zwei Dateinamen; ein rotes Kreuz markiert ein Bild, das nie ausgeteilt wird. Höchstens 120 Paare pro Set. zindle-sets schreibt nichts außer dieser Datei.</translation>
    </message>
    <message>
        <source>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</source>
        <translation>das Brett, das das Blatt zeigt: 6, 10, 12, 15, 21, 28 oder 36 Paare (Standard 36)</translation>
    </message>
    <message>
        <source>its screen in logical pixels (default 1920x1080)</source>
        <translation>sein Bildschirm in logischen Pixeln (Standard 1920x1080)</translation>
    </message>
    <message>
        <source>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</source>
        <translation>allein: öffnet das Fenster zum Erstellen von Sets. Mit NAME ERSTES1 ZWEITES1 ...: erstellt das Set NAME aus den angegebenen Bildern, je zwei der Reihe nach ein Paar, ohne Fenster, und gibt seinen Ordner aus: &quot;Zindle/NAME&quot; im Bilder-Ordner (~/.local/share/zindle/graficos/NAME ohne einen). Die Kopien in seinen Ordnern &quot;1&quot; und &quot;2&quot; heißen in beiden 01, 02 ..., aufrecht gedreht, höchstens 2048 Pixel lang, und tragen die Beschriftung jedes Bildes (seinen eigenen Titel, sonst seinen Dateinamen). Die Originale werden nur gelesen. Im Terminal zeigt es seinen Fortschritt. Ein Set, das nicht erstellt werden kann (ein Name, der kein Ordnername sein kann oder wie der eines anderen Sets aussieht, eine ungerade Zahl von Bildern, eine Datei, die fehlt, kein Bild ist, abgeschnitten ist oder doppelt angegeben wurde, ein Set dieses Namens, das es schon gibt, eine volle Festplatte), wird auf der Standardfehlerausgabe genannt, nichts wird geschrieben und der Exit-Status ist 2</translation>
    </message>
    <message>
        <source>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</source>
        <translation>mit --new NAME oder --import: ersetzt das Set dieses Namens, sobald das neue vollständig ist (bei einem Set, das ein Link ist: nur den Link)</translation>
    </message>
    <message>
        <source>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</source>
        <translation>NAME: öffnet das Set NAME im Fenster zum Erstellen von Sets, mit seinen Paaren und Beschriftungen; beim Speichern wird nur geschrieben, was sich geändert hat</translation>
    </message>
    <message>
        <source>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</source>
        <translation>NAME DATEI.zip: schreibt das Set NAME in eine Zip-Datei, die jeder Computer öffnet, mit NAME/1/... und NAME/2/..., die Beschriftungen in den Bildern</translation>
    </message>
    <message>
        <source>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</source>
        <translation>DATEI.zip: erstellt das Set, das die Zip-Datei enthält, nachdem alles geprüft ist (ein Set, seine Ordner &quot;1&quot; und &quot;2&quot; mit Bildern, nichts sonst, in den Größen eines Sets); jede Ablehnung nennt den Eintrag und sagt, warum</translation>
    </message>
    <message>
        <source>--new, --edit, --export and --import go one at a time</source>
        <translation>--new, --edit, --export und --import gehen nur einzeln</translation>
    </message>
    <message>
        <source>--sheet, --pairs and --screen go with a check alone</source>
        <translation>--sheet, --pairs und --screen gehen nur mit einer Prüfung</translation>
    </message>
    <message>
        <source>--replace goes with --new NAME or --import</source>
        <translation>--replace geht mit --new NAME oder --import</translation>
    </message>
    <message>
        <source>--export takes a set&apos;s NAME and FILE.zip</source>
        <translation>--export braucht den NAME eines Sets und DATEI.zip</translation>
    </message>
    <message>
        <source>--import takes one FILE.zip</source>
        <translation>--import braucht eine DATEI.zip</translation>
    </message>
    <message>
        <source>importing: %1 of %2 pictures</source>
        <translation>Importieren: %1 von %2 Bildern</translation>
    </message>
    <message>
        <source>saving: %1 of %2 pictures</source>
        <translation>Speichern: %1 von %2 Bildern</translation>
    </message>
    <message>
        <source>--edit takes a set&apos;s NAME</source>
        <translation>--edit braucht den NAME eines Sets</translation>
    </message>
    <message>
        <source>--new takes a NAME and its pictures, or nothing</source>
        <translation>--new braucht einen NAME und seine Bilder, oder nichts</translation>
    </message>
    <message>
        <source>this maker&apos;s window cannot open a set</source>
        <translation>dieses Fenster zum Erstellen von Sets kann kein Set öffnen</translation>
    </message>
    <message>
        <source>one folder at most</source>
        <translation>höchstens ein Ordner</translation>
    </message>
    <message>
        <source>--pairs takes 6, 10, 12, 15, 21, 28 or 36</source>
        <translation>--pairs nimmt 6, 10, 12, 15, 21, 28 oder 36</translation>
    </message>
    <message>
        <source>--screen takes a size such as 1920x1080</source>
        <translation>--screen nimmt eine Größe wie 1920x1080</translation>
    </message>
    <message>
        <source>--pairs and --screen choose the board of --sheet</source>
        <translation>--pairs und --screen wählen das Brett von --sheet</translation>
    </message>
    <message>
        <source>One more note, on captions:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             at its usual punctuation level a screen reader says
                             : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ = as words, so
                             &quot;clock: 10:15&quot; is heard &quot;clock colon 10 colon 15&quot;;
                             a comma only makes it pause
</source>
        <translation>Noch ein Hinweis, zu Beschriftungen:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             auf seiner üblichen Satzzeichenstufe spricht ein
                             Bildschirmleser : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ =
                             als Wörter aus, sodass &quot;Uhr: 10:15&quot; als &quot;Uhr
                             Doppelpunkt 10 Doppelpunkt 15&quot; zu hören ist; ein Komma
                             lässt ihn nur innehalten
</translation>
    </message>
    <message>
        <source>the set maker&apos;s window needs a display, and there is none</source>
        <translation>das Fenster des Set-Erstellers braucht einen Bildschirm, und es gibt keinen</translation>
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
    <message>
        <source>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</source>
        <translation>Das Bilderset «%1» konnte nicht rechtzeitig ausgeteilt werden: seine Ordner enthalten zu viele Dateien, die keine Bilder sind, oder antworten zu langsam.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n Paar</numerusform>
            <numerusform>%n Paare</numerusform>
        </translation>
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
        <source>%1: the preference is not kept: %2: %3
</source>
        <translation>%1: die Einstellung wird nicht behalten: %2: %3
</translation>
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
    <message>
        <source>Dealing the cards… %1 %</source>
        <translation>Die Karten werden ausgeteilt… %1 %</translation>
    </message>
</context>
</TS>
