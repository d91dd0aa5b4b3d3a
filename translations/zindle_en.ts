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
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</translation>
    </message>
    <message>
        <source>How to make a set</source>
        <translation>How to make a set</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Pairs</translation>
    </message>
    <message>
        <source>Pairs in the set</source>
        <translation>Pairs in the set</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
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
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n pair</numerusform>
            <numerusform>%n pairs</numerusform>
        </translation>
    </message>
    <message>
        <source>and a picture waiting for its partner</source>
        <translation>and a picture waiting for its partner</translation>
    </message>
    <message>
        <source>The game deals boards of %1 pairs and more.</source>
        <translation>The game deals boards of %1 pairs and more.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Pair %1</translation>
    </message>
    <message>
        <source>Add its partner with “Add pictures…”.</source>
        <translation>Add its partner with “Add pictures…”.</translation>
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
        <source>File of picture %1 of pair %2</source>
        <translation>File of picture %1 of pair %2</translation>
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
        <source>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</source>
        <translation>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</translation>
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
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>How the board shows it</source>
        <translation>How the board shows it</translation>
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
    <message>
        <source>no display: Qt has no platform called %1</source>
        <translation>no display: Qt has no platform called %1</translation>
    </message>
    <message>
        <source>no display: no Wayland compositor answers at %1</source>
        <translation>no display: no Wayland compositor answers at %1</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>no display: DISPLAY is not set</translation>
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
