<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>Announcements</name>
    <message numerus="yes">
        <source>%1, %n pairs</source>
        <translation>
            <numerusform>%1, %n ζευγάρι</numerusform>
            <numerusform>%1, %n ζευγάρια</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pairs, no clock</source>
        <translation>
            <numerusform>%1, %n ζευγάρι, χωρίς ρολόι</numerusform>
            <numerusform>%1, %n ζευγάρια, χωρίς ρολόι</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>απομένει %n δευτερόλεπτο</numerusform>
            <numerusform>απομένουν %n δευτερόλεπτα</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds played</source>
        <translation>
            <numerusform>%n δευτερόλεπτο παιχνιδιού</numerusform>
            <numerusform>%n δευτερόλεπτα παιχνιδιού</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair found, %1 of %2</source>
        <translation>Βρέθηκε ζευγάρι, %1 από %2</translation>
    </message>
    <message>
        <source>Not a pair</source>
        <translation>Δεν είναι ζευγάρι</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Make a picture set</source>
        <translation>Δημιουργία σετ εικόνων</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>Ό&amp;νομα σετ:</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Όνομα σετ</translation>
    </message>
    <message>
        <source>as the game&apos;s list shows it</source>
        <translation>όπως θα το δείχνει η λίστα του παιχνιδιού</translation>
    </message>
    <message>
        <source>&amp;Add pictures…</source>
        <translation>&amp;Προσθήκη εικόνων…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Διάλεξε τις εικόνες ανά δύο, καθεμιά ακολουθούμενη από το ταίρι της, ή άφησέ τες εδώ. Κάθε κάρτα φαίνεται όπως τη δείχνει το ταμπλό: οι σκιασμένες γραμμές κόβονται στη μικρότερη κάρτα που μπορεί να πάρει το σετ. Κάθε λεζάντα είναι ό,τι λέει ένας αναγνώστης οθόνης για την κάρτα της.</translation>
    </message>
    <message>
        <source>How to make a set</source>
        <translation>Πώς φτιάχνεται ένα σετ</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Ζευγάρια</translation>
    </message>
    <message>
        <source>Pairs in the set</source>
        <translation>Ζευγάρια του σετ</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Μηνύματα</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>Save the set</source>
        <translation>Αποθήκευση του σετ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>Choose pictures, each followed by its partner</source>
        <translation>Διάλεξε εικόνες, καθεμιά με το ταίρι της μετά</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Εικόνες (%1)</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>Κλείσιμο χωρίς αποθήκευση;</translation>
    </message>
    <message>
        <source>The set has not been saved. Close and leave it unsaved?</source>
        <translation>Το σετ δεν έχει αποθηκευτεί. Κλείσιμο χωρίς αποθήκευση;</translation>
    </message>
    <message>
        <source>Replace the set?</source>
        <translation>Αντικατάσταση του σετ;</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Replace it with this one?</source>
        <translation>Υπάρχει ήδη σετ με όνομα «%1». Να αντικατασταθεί με αυτό;</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Αντικατάσταση</translation>
    </message>
    <message>
        <source>Nothing was saved:</source>
        <translation>Δεν αποθηκεύτηκε τίποτα:</translation>
    </message>
    <message>
        <source>Saved in %1. The game lists the set as &quot;%2&quot;.</source>
        <translation>Αποθηκεύτηκε στο %1. Το παιχνίδι δείχνει το σετ ως «%2».</translation>
    </message>
    <message>
        <source>No pairs yet: add pictures, or drop them here.</source>
        <translation>Δεν υπάρχουν ακόμη ζευγάρια: πρόσθεσε εικόνες ή άφησέ τες εδώ.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n ζευγάρι</numerusform>
            <numerusform>%n ζευγάρια</numerusform>
        </translation>
    </message>
    <message>
        <source>and a picture waiting for its partner</source>
        <translation>και μία εικόνα που περιμένει το ταίρι της</translation>
    </message>
    <message>
        <source>The game deals boards of %1 pairs and more.</source>
        <translation>Το παιχνίδι μοιράζει ταμπλό από %1 ζευγάρια και πάνω.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Ζευγάρι %1</translation>
    </message>
    <message>
        <source>Add its partner with “Add pictures…”.</source>
        <translation>Πρόσθεσε το ταίρι της με «Προσθήκη εικόνων…».</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Πάνω</translation>
    </message>
    <message>
        <source>Move pair %1 up</source>
        <translation>Μετακίνηση ζευγαριού %1 πάνω</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Κάτω</translation>
    </message>
    <message>
        <source>Move pair %1 down</source>
        <translation>Μετακίνηση ζευγαριού %1 κάτω</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Εναλλαγή</translation>
    </message>
    <message>
        <source>Swap the pictures of pair %1</source>
        <translation>Εναλλαγή των εικόνων του ζευγαριού %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>Remove pair %1</source>
        <translation>Αφαίρεση ζευγαριού %1</translation>
    </message>
    <message>
        <source>Picture %1 of pair %2 as the board shows it</source>
        <translation>Εικόνα %1 του ζευγαριού %2 όπως τη δείχνει το ταμπλό</translation>
    </message>
    <message>
        <source>File of picture %1 of pair %2</source>
        <translation>Αρχείο της εικόνας %1 του ζευγαριού %2</translation>
    </message>
    <message>
        <source>Caption of picture %1 of pair %2</source>
        <translation>Λεζάντα της εικόνας %1 του ζευγαριού %2</translation>
    </message>
    <message>
        <source>What a screen reader says of the card</source>
        <translation>Ό,τι λέει ένας αναγνώστης οθόνης για την κάρτα</translation>
    </message>
    <message>
        <source>Not a picture the game reads: the set cannot be saved with it.</source>
        <translation>Δεν είναι εικόνα που διαβάζει το παιχνίδι: το σετ δεν μπορεί να αποθηκευτεί με αυτήν.</translation>
    </message>
    <message>
        <source>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</source>
        <translation>⚠ Το ταμπλό κόβει το σχέδιο (γραμμές %1–%2 %): με %3 ζευγάρια σε οθόνη %4×%5 μια κάρτα δείχνει τις γραμμές %6–%7 %.</translation>
    </message>
    <message>
        <source>Every board shows all of it.</source>
        <translation>Κάθε ταμπλό τη δείχνει ολόκληρη.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Κάθε ταμπλό δείχνει το σχέδιο· η μικρότερη κάρτα δείχνει τις γραμμές %1–%2 %.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <source>How the board shows it</source>
        <translation>Πώς τη δείχνει το ταμπλό</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>no clock, %1 s</source>
        <translation>χωρίς ρολόι, %1 δευτ.</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the game deals boards of %1 pairs and more: this set of %2 offers none yet</source>
        <translation>το παιχνίδι μοιράζει ταμπλό από %1 ζευγάρια και πάνω: αυτό το σετ των %2 δεν προσφέρει ακόμη κανένα</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>το σετ δεν έχει όνομα</translation>
    </message>
    <message>
        <source>the set name %1 cannot be a folder&apos;s name</source>
        <translation>το όνομα σετ %1 δεν μπορεί να είναι όνομα φακέλου</translation>
    </message>
    <message>
        <source>the set name %1 cannot hold a &quot;/&quot;</source>
        <translation>το όνομα σετ %1 δεν μπορεί να περιέχει «/»</translation>
    </message>
    <message>
        <source>the set name %1 starts with &quot;.&quot;, which hides the set from the game</source>
        <translation>το όνομα σετ %1 αρχίζει με «.», που κρύβει το σετ από το παιχνίδι</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: δεν υπάρχει τέτοιο αρχείο</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>το %1 δεν μπορεί να διαβαστεί</translation>
    </message>
    <message>
        <source>%1 is not a picture</source>
        <translation>το %1 δεν είναι εικόνα</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2)</source>
        <translation>το %1 δεν μπορεί να αποκωδικοποιηθεί (%2)</translation>
    </message>
    <message>
        <source>cannot write the copy of %1 (%2)</source>
        <translation>δεν μπορεί να γραφτεί το αντίγραφο του %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write the caption of %1</source>
        <translation>δεν μπορεί να γραφτεί η λεζάντα του %1</translation>
    </message>
    <message>
        <source>a set named %1 already exists in %2</source>
        <translation>υπάρχει ήδη σετ με όνομα %1 στο %2</translation>
    </message>
    <message>
        <source>no pictures: each pair needs two</source>
        <translation>καμία εικόνα: κάθε ζευγάρι θέλει δύο</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures: each pair needs two, so %1 has no partner</source>
        <translation>
            <numerusform>%n εικόνα: κάθε ζευγάρι θέλει δύο, άρα το %1 δεν έχει ταίρι</numerusform>
            <numerusform>%n εικόνες: κάθε ζευγάρι θέλει δύο, άρα το %1 δεν έχει ταίρι</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>δεν μπορεί να δημιουργηθεί ο φάκελος %1</translation>
    </message>
    <message>
        <source>cannot write in the folder %1</source>
        <translation>δεν μπορεί να γραφτεί τίποτα στον φάκελο %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1</source>
        <translation>το νέο σετ δεν μπορεί να μετακινηθεί στο %1</translation>
    </message>
</context>
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
    <message>
        <source>Pairs game: find the pictures that belong together</source>
        <translation>Παιχνίδι ζευγαριών: βρες τις εικόνες που ταιριάζουν</translation>
    </message>
    <message>
        <source>Play at your own pace: the clock counts the seconds played and never runs out.</source>
        <translation>Παίξε με τον δικό σου ρυθμό: το ρολόι μετρά τα δευτερόλεπτα παιχνιδιού και δεν τελειώνει ποτέ.</translation>
    </message>
    <message>
        <source>Play against the clock.</source>
        <translation>Παίξε με το ρολόι.</translation>
    </message>
    <message>
        <source>no display: Qt has no platform called %1</source>
        <translation>καμία οθόνη: το Qt δεν έχει πλατφόρμα με το όνομα %1</translation>
    </message>
    <message>
        <source>no display: no Wayland compositor answers at %1</source>
        <translation>καμία οθόνη: κανένας συνθέτης Wayland δεν απαντά στο %1</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>καμία οθόνη: δεν έχει οριστεί η DISPLAY</translation>
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
