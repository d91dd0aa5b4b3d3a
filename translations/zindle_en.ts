<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Announcements</name>
    <message numerus="yes">
        <source>%1, %n pairs</source>
        <translation>
            <numerusform>%1, %n pair</numerusform>
            <numerusform>%1, %n pairs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pairs, no clock</source>
        <translation>
            <numerusform>%1, %n pair, no clock</numerusform>
            <numerusform>%1, %n pairs, no clock</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>%n second left</numerusform>
            <numerusform>%n seconds left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds played</source>
        <translation>
            <numerusform>%n second played</numerusform>
            <numerusform>%n seconds played</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair found, %1 of %2</source>
        <translation>Pair found, %1 of %2</translation>
    </message>
    <message>
        <source>Not a pair</source>
        <translation>Not a pair</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Make a picture set</source>
        <translation>Make a picture set</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>Set &amp;name:</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Set name</translation>
    </message>
    <message>
        <source>as the game&apos;s list shows it</source>
        <translation>as the game&apos;s list shows it</translation>
    </message>
    <message>
        <source>&amp;Add pictures…</source>
        <translation>&amp;Add pictures…</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Pairs</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save the set</source>
        <translation>Save the set</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Choose pictures, each followed by its partner</source>
        <translation>Choose pictures, each followed by its partner</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>Close without saving?</translation>
    </message>
    <message>
        <source>The set has not been saved. Close and leave it unsaved?</source>
        <translation>The set has not been saved. Close and leave it unsaved?</translation>
    </message>
    <message>
        <source>Replace the set?</source>
        <translation>Replace the set?</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Replace it with this one?</source>
        <translation>A set named &quot;%1&quot; already exists. Replace it with this one?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>Nothing was saved:</source>
        <translation>Nothing was saved:</translation>
    </message>
    <message>
        <source>Saved in %1. The game lists the set as &quot;%2&quot;.</source>
        <translation>Saved in %1. The game lists the set as &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>No pairs yet: add pictures, or drop them here.</source>
        <translation>No pairs yet: add pictures, or drop them here.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Move pair %1 up</source>
        <translation>Move pair %1 up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Move pair %1 down</source>
        <translation>Move pair %1 down</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>Swap the pictures of pair %1</source>
        <translation>Swap the pictures of pair %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Remove pair %1</source>
        <translation>Remove pair %1</translation>
    </message>
    <message>
        <source>Picture %1 of pair %2 as the board shows it</source>
        <translation>Picture %1 of pair %2 as the board shows it</translation>
    </message>
    <message>
        <source>Caption of picture %1 of pair %2</source>
        <translation>Caption of picture %1 of pair %2</translation>
    </message>
    <message>
        <source>What a screen reader says of the card</source>
        <translation>What a screen reader says of the card</translation>
    </message>
    <message>
        <source>Not a picture the game reads: the set cannot be saved with it.</source>
        <translation>Not a picture the game reads: the set cannot be saved with it.</translation>
    </message>
    <message>
        <source>Every board shows all of it.</source>
        <translation>Every board shows all of it.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Every board shows its drawing; the smallest card shows rows %1–%2 %.</translation>
    </message>
    <message>
        <source>O&amp;pen a set…</source>
        <translation>O&amp;pen a set…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>&amp;Undo removal</source>
        <translation>&amp;Undo removal</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>Save the set as one .zip file to share</source>
        <translation>Save the set as one .zip file to share</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>Add a set shared as a .zip file</source>
        <translation>Add a set shared as a .zip file</translation>
    </message>
    <message numerus="yes">
        <source>Opened the set &quot;%1&quot;: %n pairs.</source>
        <translation>
            <numerusform>Opened the set &quot;%1&quot;: %n pair.</numerusform>
            <numerusform>Opened the set &quot;%1&quot;: %n pairs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</source>
        <translation>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</translation>
    </message>
    <message>
        <source>Choose picture %1 of pair %2</source>
        <translation>Choose picture %1 of pair %2</translation>
    </message>
    <message>
        <source>Choose the partner of pair %1</source>
        <translation>Choose the partner of pair %1</translation>
    </message>
    <message>
        <source>Open a set</source>
        <translation>Open a set</translation>
    </message>
    <message>
        <source>Your sets in %1:</source>
        <translation>Your sets in %1:</translation>
    </message>
    <message>
        <source>Your sets</source>
        <translation>Your sets</translation>
    </message>
    <message>
        <source>No set yet: make one and save it.</source>
        <translation>No set yet: make one and save it.</translation>
    </message>
    <message>
        <source>Leave this set unsaved?</source>
        <translation>Leave this set unsaved?</translation>
    </message>
    <message>
        <source>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</source>
        <translation>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</translation>
    </message>
    <message>
        <source>Save the set before exporting it.</source>
        <translation>Save the set before exporting it.</translation>
    </message>
    <message>
        <source>Export the set as a .zip file</source>
        <translation>Export the set as a .zip file</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Zip files (*.zip)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exporting…</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exported to %1.</translation>
    </message>
    <message>
        <source>Nothing was exported:</source>
        <translation>Nothing was exported:</translation>
    </message>
    <message>
        <source>Import a set from a .zip file</source>
        <translation>Import a set from a .zip file</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Importing…</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Nothing was imported:</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Saving…</translation>
    </message>
    <message>
        <source>Pair %1 removed; Ctrl+Z puts it back. %2</source>
        <translation>Pair %1 removed; Ctrl+Z puts it back. %2</translation>
    </message>
    <message>
        <source>picture %1 of pair %2: %3</source>
        <translation>picture %1 of pair %2: %3</translation>
    </message>
    <message>
        <source>A picture waits for its partner.</source>
        <translation>A picture waits for its partner.</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Picture…</translation>
    </message>
    <message>
        <source>Exchange…</source>
        <translation>Exchange…</translation>
    </message>
    <message>
        <source>Exchange picture %1 of pair %2 with one of another pair</source>
        <translation>Exchange picture %1 of pair %2 with one of another pair</translation>
    </message>
    <message>
        <source>A camera&apos;s name: rename it to what the card shows.</source>
        <translation>A camera&apos;s name: rename it to what the card shows.</translation>
    </message>
    <message>
        <source>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</source>
        <translation>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</translation>
    </message>
    <message>
        <source>Choose its par&amp;tner…</source>
        <translation>Choose its par&amp;tner…</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>no clock, %1 s</source>
        <translation>no clock, %1 s</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>pair %1: %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the game deals boards of %1 pairs and more: this set of %2 offers none yet</source>
        <translation>the game deals boards of %1 pairs and more: this set of %2 offers none yet</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>the set has no name</translation>
    </message>
    <message>
        <source>the set name %1 cannot be a folder&apos;s name</source>
        <translation>the set name %1 cannot be a folder&apos;s name</translation>
    </message>
    <message>
        <source>the set name %1 cannot hold a &quot;/&quot;</source>
        <translation>the set name %1 cannot hold a &quot;/&quot;</translation>
    </message>
    <message>
        <source>the set name %1 starts with &quot;.&quot;, which hides the set from the game</source>
        <translation>the set name %1 starts with &quot;.&quot;, which hides the set from the game</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no such file</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>%1 is not a picture</source>
        <translation>%1 is not a picture</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2)</source>
        <translation>%1 cannot be decoded (%2)</translation>
    </message>
    <message>
        <source>cannot write the copy of %1 (%2)</source>
        <translation>cannot write the copy of %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write the caption of %1</source>
        <translation>cannot write the caption of %1</translation>
    </message>
    <message>
        <source>a set named %1 already exists in %2</source>
        <translation>a set named %1 already exists in %2</translation>
    </message>
    <message>
        <source>no pictures: each pair needs two</source>
        <translation>no pictures: each pair needs two</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures: each pair needs two, so %1 has no partner</source>
        <translation>
            <numerusform>%n picture: each pair needs two, so %1 has no partner</numerusform>
            <numerusform>%n pictures: each pair needs two, so %1 has no partner</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>cannot make the folder %1</translation>
    </message>
    <message>
        <source>cannot write in the folder %1</source>
        <translation>cannot write in the folder %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1</source>
        <translation>cannot move the new set into %1</translation>
    </message>
</context>
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
    <message>
        <source>Pairs game: find the pictures that belong together</source>
        <translation>Pairs game: find the pictures that belong together</translation>
    </message>
    <message>
        <source>Play at your own pace: the clock counts the seconds played and never runs out.</source>
        <translation>Play at your own pace: the clock counts the seconds played and never runs out.</translation>
    </message>
    <message>
        <source>Play against the clock.</source>
        <translation>Play against the clock.</translation>
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
