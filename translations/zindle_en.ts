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
    <message numerus="yes">
        <source>%1, %n seconds</source>
        <comment>The board, then its time limit</comment>
        <translation>
            <numerusform>%1, %n second</numerusform>
            <numerusform>%1, %n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>Time is up</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Time ran out</translation>
    </message>
    <message numerus="yes">
        <source>Finished with %n seconds left</source>
        <translation>
            <numerusform>Finished with %n second left</numerusform>
            <numerusform>Finished with %n seconds left</numerusform>
        </translation>
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
    <name>ResultsWindow</name>
    <message>
        <source>Back to the game over</source>
        <translation>Back to the game over</translation>
    </message>
    <message>
        <source>Back to the board</source>
        <translation>Back to the board</translation>
    </message>
    <message>
        <source>Play a new board</source>
        <translation>Play a new board</translation>
    </message>
    <message>
        <source>F9 shows the results of the run.</source>
        <translation>F9 shows the results of the run.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>%1 is not a zip file that can be read: %2</source>
        <translation>%1 is not a zip file that can be read: %2</translation>
    </message>
    <message>
        <source>%1: cannot be inflated: %2</source>
        <translation>%1: cannot be inflated: %2</translation>
    </message>
    <message>
        <source>%1: inflates to more than %2 MB, more than a picture</source>
        <translation>%1: inflates to more than %2 MB, more than a picture</translation>
    </message>
    <message>
        <source>%1: the pictures inflate to more than %2 MB together</source>
        <translation>%1: the pictures inflate to more than %2 MB together</translation>
    </message>
    <message>
        <source>%1: inflates more than %2 times, as no picture does</source>
        <translation>%1: inflates more than %2 times, as no picture does</translation>
    </message>
    <message>
        <source>%1: an absolute path, outside any set</source>
        <translation>%1: an absolute path, outside any set</translation>
    </message>
    <message>
        <source>%1: a path that leaves the set</source>
        <translation>%1: a path that leaves the set</translation>
    </message>
    <message>
        <source>%1: a link, which no set holds</source>
        <translation>%1: a link, which no set holds</translation>
    </message>
    <message>
        <source>%1: a device or pipe, not a picture</source>
        <translation>%1: a device or pipe, not a picture</translation>
    </message>
    <message>
        <source>%1: a second set beside %2; an archive holds one</source>
        <translation>%1: a second set beside %2; an archive holds one</translation>
    </message>
    <message>
        <source>%1: a file outside the set&apos;s folder</source>
        <translation>%1: a file outside the set&apos;s folder</translation>
    </message>
    <message>
        <source>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</source>
        <translation>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</translation>
    </message>
    <message>
        <source>%1: a file where the folder %2 belongs</source>
        <translation>%1: a file where the folder %2 belongs</translation>
    </message>
    <message>
        <source>%1: a folder inside %2, where only pictures belong</source>
        <translation>%1: a folder inside %2, where only pictures belong</translation>
    </message>
    <message>
        <source>%1: %2 MB, more than a picture</source>
        <translation>%1: %2 MB, more than a picture</translation>
    </message>
    <message>
        <source>%1: needs %2 MB to decode, more than the game allows</source>
        <translation>%1: needs %2 MB to decode, more than the game allows</translation>
    </message>
    <message>
        <source>%1: not a picture the game reads</source>
        <translation>%1: not a picture the game reads</translation>
    </message>
    <message>
        <source>%1: a picture cut short</source>
        <translation>%1: a picture cut short</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries, more than a set</source>
        <translation>%1 holds more than %2 entries, more than a set</translation>
    </message>
    <message>
        <source>%1: twice in the archive</source>
        <translation>%1: twice in the archive</translation>
    </message>
    <message>
        <source>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</source>
        <translation>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>cannot write in %1: %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read</source>
        <translation>%1 changed while it was read</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>%1 is no set that can be read: its folder %2 is missing</source>
        <translation>%1 is no set that can be read: its folder %2 is missing</translation>
    </message>
    <message>
        <source>%1 cannot be read, or is too big to share</source>
        <translation>%1 cannot be read, or is too big to share</translation>
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
        <source>cannot move the new set into %1: %2</source>
        <translation>cannot move the new set into %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a set: nothing was replaced</source>
        <translation>%1 is a file, not a set: nothing was replaced</translation>
    </message>
    <message>
        <source>cannot keep %1 of the set replaced: %2</source>
        <translation>cannot keep %1 of the set replaced: %2</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>the disk is full (%1)</translation>
    </message>
    <message>
        <source>the set has no name: a name needs a letter, digit or sign</source>
        <translation>the set has no name: a name needs a letter, digit or sign</translation>
    </message>
    <message>
        <source>the set name %1 holds a control character</source>
        <translation>the set name %1 holds a control character</translation>
    </message>
    <message>
        <source>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</source>
        <translation>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</translation>
    </message>
    <message>
        <source>the set name %1 holds %2, which the disk of %3 does not allow in a name</source>
        <translation>the set name %1 holds %2, which the disk of %3 does not allow in a name</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>%1 is a folder, not a picture</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or pipe</source>
        <translation>%1 is not a file but a device or pipe</translation>
    </message>
    <message>
        <source>%1 is too big for a picture: %2 MB</source>
        <translation>%1 is too big for a picture: %2 MB</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, twice in pair %3</source>
        <translation>%1 and %2 are the same picture, twice in pair %3</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, in pairs %3 and %4</source>
        <translation>%1 and %2 are the same picture, in pairs %3 and %4</translation>
    </message>
    <message>
        <source>cannot write the copy of %1: %2</source>
        <translation>cannot write the copy of %1: %2</translation>
    </message>
    <message>
        <source>%1 needs %2 MB to decode, more than the %3 MB the game allows</source>
        <translation>%1 needs %2 MB to decode, more than the %3 MB the game allows</translation>
    </message>
    <message>
        <source>%1 is cut short: its end is missing</source>
        <translation>%1 is cut short: its end is missing</translation>
    </message>
    <message>
        <source>cannot encode the copy of %1 (%2)</source>
        <translation>cannot encode the copy of %1 (%2)</translation>
    </message>
    <message>
        <source>the set name %1 looks like that of the set %2 in the game&apos;s list</source>
        <translation>the set name %1 looks like that of the set %2 in the game&apos;s list</translation>
    </message>
    <message>
        <source>a set named %1 already lies in %2, which the game plays instead: choose another name</source>
        <translation>a set named %1 already lies in %2, which the game plays instead: choose another name</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs: a set holds %1 at most</source>
        <translation>
            <numerusform>%n pair: a set holds %1 at most</numerusform>
            <numerusform>%n pairs: a set holds %1 at most</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>cannot write in the folder %1: %2</translation>
    </message>
    <message>
        <source>the set name is too long for the disk of %1</source>
        <translation>the set name is too long for the disk of %1</translation>
    </message>
    <message>
        <source>the disk of %1 does not allow the set name %2: %3</source>
        <translation>the disk of %1 does not allow the set name %2: %3</translation>
    </message>
    <message>
        <source>saving was cancelled: nothing was written</source>
        <translation>saving was cancelled: nothing was written</translation>
    </message>
    <message>
        <source>there is no set %1 that can be read in %2</source>
        <translation>there is no set %1 that can be read in %2</translation>
    </message>
    <message>
        <source>%1 has no partner and is left out</source>
        <translation>%1 has no partner and is left out</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n pair</numerusform>
            <numerusform>%n pairs</numerusform>
        </translation>
    </message>
    <message>
        <source>no board yet</source>
        <translation>no board yet</translation>
    </message>
    <message>
        <source>boards of %1</source>
        <translation>boards of %1</translation>
    </message>
    <message>
        <source>boards of %1 and %2</source>
        <translation>boards of %1 and %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 give boards of %4</source>
        <translation>%1: %2; %3 give boards of %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more pairs</source>
        <translation>
            <numerusform>%n more pair</numerusform>
            <numerusform>%n more pairs</numerusform>
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
        <translation>Usage: zindle-sets [FOLDER] [--sheet FILE.png [--pairs N] [--screen WxH]]
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
        <translation>Every line of the report is one finding. Its first word says what it is; the set&apos;s name
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
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>%1 (try &apos;zindle-sets --help&apos;)</source>
        <translation>%1 (try &apos;zindle-sets --help&apos;)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</source>
        <translation>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</translation>
    </message>
    <message>
        <source>shows this text</source>
        <translation>shows this text</translation>
    </message>
    <message>
        <source>shows the program&apos;s version</source>
        <translation>shows the program&apos;s version</translation>
    </message>
    <message>
        <source>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</source>
        <translation>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</translation>
    </message>
    <message>
        <source>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</source>
        <translation>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</translation>
    </message>
    <message>
        <source>its screen in logical pixels (default 1920x1080)</source>
        <translation>its screen in logical pixels (default 1920x1080)</translation>
    </message>
    <message>
        <source>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</source>
        <translation>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</translation>
    </message>
    <message>
        <source>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</source>
        <translation>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</translation>
    </message>
    <message>
        <source>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</source>
        <translation>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</translation>
    </message>
    <message>
        <source>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</source>
        <translation>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</translation>
    </message>
    <message>
        <source>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</source>
        <translation>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</translation>
    </message>
    <message>
        <source>--new, --edit, --export and --import go one at a time</source>
        <translation>--new, --edit, --export and --import go one at a time</translation>
    </message>
    <message>
        <source>--sheet, --pairs and --screen go with a check alone</source>
        <translation>--sheet, --pairs and --screen go with a check alone</translation>
    </message>
    <message>
        <source>--replace goes with --new NAME or --import</source>
        <translation>--replace goes with --new NAME or --import</translation>
    </message>
    <message>
        <source>--export takes a set&apos;s NAME and FILE.zip</source>
        <translation>--export takes a set&apos;s NAME and FILE.zip</translation>
    </message>
    <message>
        <source>--import takes one FILE.zip</source>
        <translation>--import takes one FILE.zip</translation>
    </message>
    <message>
        <source>importing: %1 of %2 pictures</source>
        <translation>importing: %1 of %2 pictures</translation>
    </message>
    <message>
        <source>saving: %1 of %2 pictures</source>
        <translation>saving: %1 of %2 pictures</translation>
    </message>
    <message>
        <source>--edit takes a set&apos;s NAME</source>
        <translation>--edit takes a set&apos;s NAME</translation>
    </message>
    <message>
        <source>--new takes a NAME and its pictures, or nothing</source>
        <translation>--new takes a NAME and its pictures, or nothing</translation>
    </message>
    <message>
        <source>this maker&apos;s window cannot open a set</source>
        <translation>this maker&apos;s window cannot open a set</translation>
    </message>
    <message>
        <source>one folder at most</source>
        <translation>one folder at most</translation>
    </message>
    <message>
        <source>--pairs takes 6, 10, 12, 15, 21, 28 or 36</source>
        <translation>--pairs takes 6, 10, 12, 15, 21, 28 or 36</translation>
    </message>
    <message>
        <source>--screen takes a size such as 1920x1080</source>
        <translation>--screen takes a size such as 1920x1080</translation>
    </message>
    <message>
        <source>--pairs and --screen choose the board of --sheet</source>
        <translation>--pairs and --screen choose the board of --sheet</translation>
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
        <translation>One more note, on captions:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             at its usual punctuation level a screen reader says
                             : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ = as words, so
                             &quot;clock: 10:15&quot; is heard &quot;clock colon 10 colon 15&quot;;
                             a comma only makes it pause
</translation>
    </message>
    <message>
        <source>the set maker&apos;s window needs a display, and there is none</source>
        <translation>the set maker&apos;s window needs a display, and there is none</translation>
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
    <message>
        <source>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</source>
        <translation>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n pair</numerusform>
            <numerusform>%n pairs</numerusform>
        </translation>
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
        <source>%1: the preference is not kept: %2: %3
</source>
        <translation>%1: the preference is not kept: %2: %3
</translation>
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
    <message>
        <source>Dealing the cards… %1 %</source>
        <translation>Dealing the cards… %1 %</translation>
    </message>
</context>
</TS>
