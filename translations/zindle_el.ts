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
    <message numerus="yes">
        <source>%1, %n seconds</source>
        <comment>The board, then its time limit</comment>
        <translation>
            <numerusform>%1, %n δευτερόλεπτο</numerusform>
            <numerusform>%1, %n δευτερόλεπτα</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>Ο χρόνος τελείωσε</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Ο χρόνος εξαντλήθηκε</translation>
    </message>
    <message numerus="yes">
        <source>Finished with %n seconds left</source>
        <translation>
            <numerusform>Τελείωσε με %n δευτερόλεπτο να περισσεύει</numerusform>
            <numerusform>Τελείωσε με %n δευτερόλεπτα να περισσεύουν</numerusform>
        </translation>
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
        <source>Pairs</source>
        <translation>Ζευγάρια</translation>
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
        <source>Every board shows all of it.</source>
        <translation>Κάθε ταμπλό τη δείχνει ολόκληρη.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Κάθε ταμπλό δείχνει το σχέδιο· η μικρότερη κάρτα δείχνει τις γραμμές %1–%2 %.</translation>
    </message>
    <message>
        <source>O&amp;pen a set…</source>
        <translation>Άν&amp;οιγμα σετ…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Διαλέξτε τις εικόνες ανά δύο, την καθεμία ακολουθούμενη από το ταίρι της, ή σύρετέ τες εδώ. Κάθε κάρτα φαίνεται όπως τη δείχνει το ταμπλό σε αυτή την οθόνη: οι σκιασμένες γραμμές κόβονται στη μικρότερη κάρτα που μπορεί να πάρει το σετ. Κάθε λεζάντα είναι ό,τι λέει ένας αναγνώστης οθόνης για την κάρτα της.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Πρόοδος</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Διακοπή…</translation>
    </message>
    <message>
        <source>&amp;Undo removal</source>
        <translation>Αναί&amp;ρεση αφαίρεσης</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Εξαγωγή…</translation>
    </message>
    <message>
        <source>Save the set as one .zip file to share</source>
        <translation>Αποθήκευση του σετ σε ένα αρχείο .zip για κοινή χρήση</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>Ε&amp;ισαγωγή…</translation>
    </message>
    <message>
        <source>Add a set shared as a .zip file</source>
        <translation>Προσθήκη σετ που μοιράστηκε ως αρχείο .zip</translation>
    </message>
    <message numerus="yes">
        <source>Opened the set &quot;%1&quot;: %n pairs.</source>
        <translation>
            <numerusform>Άνοιξε το σετ «%1»: %n ζευγάρι.</numerusform>
            <numerusform>Άνοιξε το σετ «%1»: %n ζευγάρια.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</source>
        <translation>Ζευγαρώθηκαν με τη σειρά που διαλέξατε: %1. Για να ζευγαρώσετε μια εικόνα με άλλη, χρησιμοποιήστε το «Ανταλλαγή με…» από κάτω της.</translation>
    </message>
    <message>
        <source>Choose picture %1 of pair %2</source>
        <translation>Επιλογή της εικόνας %1 του ζευγαριού %2</translation>
    </message>
    <message>
        <source>Choose the partner of pair %1</source>
        <translation>Επιλογή του ταιριού του ζευγαριού %1</translation>
    </message>
    <message>
        <source>Open a set</source>
        <translation>Άνοιγμα σετ</translation>
    </message>
    <message>
        <source>Your sets in %1:</source>
        <translation>Τα σετ σας στο %1:</translation>
    </message>
    <message>
        <source>Your sets</source>
        <translation>Τα σετ σας</translation>
    </message>
    <message>
        <source>No set yet: make one and save it.</source>
        <translation>Δεν υπάρχει ακόμη σετ: φτιάξτε ένα και αποθηκεύστε το.</translation>
    </message>
    <message>
        <source>Leave this set unsaved?</source>
        <translation>Να μείνει αυτό το σετ χωρίς αποθήκευση;</translation>
    </message>
    <message>
        <source>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</source>
        <translation>Αυτό το σετ δεν έχει αποθηκευτεί. Να ανοίξει το «%1» και να μείνει χωρίς αποθήκευση;</translation>
    </message>
    <message>
        <source>Save the set before exporting it.</source>
        <translation>Αποθηκεύστε το σετ πριν το εξαγάγετε.</translation>
    </message>
    <message>
        <source>Export the set as a .zip file</source>
        <translation>Εξαγωγή του σετ ως αρχείο .zip</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Αρχεία zip (*.zip)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Εξαγωγή…</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Εξήχθη στο %1.</translation>
    </message>
    <message>
        <source>Nothing was exported:</source>
        <translation>Δεν έγινε εξαγωγή:</translation>
    </message>
    <message>
        <source>Import a set from a .zip file</source>
        <translation>Εισαγωγή σετ από αρχείο .zip</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Εισαγωγή…</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Δεν έγινε εισαγωγή:</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Αποθήκευση…</translation>
    </message>
    <message>
        <source>Pair %1 removed; Ctrl+Z puts it back. %2</source>
        <translation>Το ζευγάρι %1 αφαιρέθηκε· το Ctrl+Z το επαναφέρει. %2</translation>
    </message>
    <message>
        <source>picture %1 of pair %2: %3</source>
        <translation>εικόνα %1 του ζευγαριού %2: %3</translation>
    </message>
    <message>
        <source>A picture waits for its partner.</source>
        <translation>Μια εικόνα περιμένει το ταίρι της.</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Εικόνα…</translation>
    </message>
    <message>
        <source>Exchange…</source>
        <translation>Ανταλλαγή με…</translation>
    </message>
    <message>
        <source>Exchange picture %1 of pair %2 with one of another pair</source>
        <translation>Ανταλλαγή της εικόνας %1 του ζευγαριού %2 με μία άλλου ζευγαριού</translation>
    </message>
    <message>
        <source>A camera&apos;s name: rename it to what the card shows.</source>
        <translation>Όνομα κάμερας: μετονομάστε τη σε ό,τι δείχνει η κάρτα.</translation>
    </message>
    <message>
        <source>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</source>
        <translation>⚠ Σε αυτή την οθόνη (%1×%2) ένα ταμπλό %3 ζευγαριών κόβει το σχέδιο (γραμμές %4–%5 %): μια κάρτα δείχνει τις γραμμές %6–%7 %.</translation>
    </message>
    <message>
        <source>Choose its par&amp;tner…</source>
        <translation>Επιλογή &amp;ταιριού…</translation>
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
    <name>ResultsWindow</name>
    <message>
        <source>Back to the game over</source>
        <translation>Πίσω στο τέλος του παιχνιδιού</translation>
    </message>
    <message>
        <source>Back to the board</source>
        <translation>Πίσω στο ταμπλό</translation>
    </message>
    <message>
        <source>Play a new board</source>
        <translation>Παίξε νέο ταμπλό</translation>
    </message>
    <message>
        <source>F9 shows the results of the run.</source>
        <translation>Το F9 δείχνει τα αποτελέσματα της συνεδρίας.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>το %1 δεν μπορεί να διαβαστεί</translation>
    </message>
    <message>
        <source>%1 is not a zip file that can be read: %2</source>
        <translation>το %1 δεν είναι αρχείο zip που να διαβάζεται: %2</translation>
    </message>
    <message>
        <source>%1: cannot be inflated: %2</source>
        <translation>%1: δεν μπορεί να αποσυμπιεστεί: %2</translation>
    </message>
    <message>
        <source>%1: inflates to more than %2 MB, more than a picture</source>
        <translation>%1: αποσυμπιέζεται σε πάνω από %2 MB, περισσότερα από μια εικόνα</translation>
    </message>
    <message>
        <source>%1: the pictures inflate to more than %2 MB together</source>
        <translation>%1: οι εικόνες αποσυμπιέζονται σε πάνω από %2 MB συνολικά</translation>
    </message>
    <message>
        <source>%1: inflates more than %2 times, as no picture does</source>
        <translation>%1: αποσυμπιέζεται πάνω από %2 φορές, όπως καμία εικόνα</translation>
    </message>
    <message>
        <source>%1: an absolute path, outside any set</source>
        <translation>%1: απόλυτη διαδρομή, έξω από κάθε σετ</translation>
    </message>
    <message>
        <source>%1: a path that leaves the set</source>
        <translation>%1: διαδρομή που βγαίνει από το σετ</translation>
    </message>
    <message>
        <source>%1: a link, which no set holds</source>
        <translation>%1: σύνδεσμος, που κανένα σετ δεν περιέχει</translation>
    </message>
    <message>
        <source>%1: a device or pipe, not a picture</source>
        <translation>%1: συσκευή ή σωλήνας, όχι εικόνα</translation>
    </message>
    <message>
        <source>%1: a second set beside %2; an archive holds one</source>
        <translation>%1: δεύτερο σετ δίπλα στο %2· ένα αρχείο συμπίεσης περιέχει ένα</translation>
    </message>
    <message>
        <source>%1: a file outside the set&apos;s folder</source>
        <translation>%1: αρχείο έξω από τον φάκελο του σετ</translation>
    </message>
    <message>
        <source>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</source>
        <translation>%1: σε ένα σετ ανήκουν μόνο οι φάκελοι &quot;1&quot; και &quot;2&quot;</translation>
    </message>
    <message>
        <source>%1: a file where the folder %2 belongs</source>
        <translation>%1: αρχείο εκεί που ανήκει ο φάκελος %2</translation>
    </message>
    <message>
        <source>%1: a folder inside %2, where only pictures belong</source>
        <translation>%1: φάκελος μέσα στο %2, όπου ανήκουν μόνο εικόνες</translation>
    </message>
    <message>
        <source>%1: %2 MB, more than a picture</source>
        <translation>%1: %2 MB, περισσότερα από μια εικόνα</translation>
    </message>
    <message>
        <source>%1: needs %2 MB to decode, more than the game allows</source>
        <translation>%1: χρειάζεται %2 MB για αποκωδικοποίηση, περισσότερα απ’ όσα επιτρέπει το παιχνίδι</translation>
    </message>
    <message>
        <source>%1: not a picture the game reads</source>
        <translation>%1: δεν είναι εικόνα που διαβάζει το παιχνίδι</translation>
    </message>
    <message>
        <source>%1: a picture cut short</source>
        <translation>%1: κομμένη εικόνα</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries, more than a set</source>
        <translation>το %1 περιέχει πάνω από %2 καταχωρίσεις, περισσότερες από ένα σετ</translation>
    </message>
    <message>
        <source>%1: twice in the archive</source>
        <translation>%1: δύο φορές στο αρχείο συμπίεσης</translation>
    </message>
    <message>
        <source>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</source>
        <translation>το %1 δεν περιέχει σετ: φάκελο με εικόνες στους φακέλους του &quot;1&quot; και &quot;2&quot;</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>δεν είναι δυνατή η εγγραφή στο %1: %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read</source>
        <translation>το %1 άλλαξε ενώ διαβαζόταν</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>δεν είναι δυνατή η εγγραφή του %1: %2</translation>
    </message>
    <message>
        <source>%1 is no set that can be read: its folder %2 is missing</source>
        <translation>το %1 δεν είναι σετ που να διαβάζεται: λείπει ο φάκελός του %2</translation>
    </message>
    <message>
        <source>%1 cannot be read, or is too big to share</source>
        <translation>το %1 δεν μπορεί να διαβαστεί ή είναι πολύ μεγάλο για κοινή χρήση</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>ζευγάρι %1: %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
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
        <source>cannot move the new set into %1: %2</source>
        <translation>δεν είναι δυνατή η μετακίνηση του νέου σετ στο %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a set: nothing was replaced</source>
        <translation>το %1 είναι αρχείο, όχι σετ: δεν αντικαταστάθηκε τίποτα</translation>
    </message>
    <message>
        <source>cannot keep %1 of the set replaced: %2</source>
        <translation>δεν είναι δυνατό να κρατηθεί το %1 του σετ που αντικαταστάθηκε: %2</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>ο δίσκος είναι γεμάτος (%1)</translation>
    </message>
    <message>
        <source>the set has no name: a name needs a letter, digit or sign</source>
        <translation>το σετ δεν έχει όνομα: ένα όνομα χρειάζεται ένα γράμμα, ψηφίο ή σύμβολο</translation>
    </message>
    <message>
        <source>the set name %1 holds a control character</source>
        <translation>το όνομα σετ %1 περιέχει χαρακτήρα ελέγχου</translation>
    </message>
    <message>
        <source>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</source>
        <translation>το όνομα σετ είναι πολύ μεγάλο: %1 byte, ενώ το όνομα φακέλου χωράει 255</translation>
    </message>
    <message>
        <source>the set name %1 holds %2, which the disk of %3 does not allow in a name</source>
        <translation>το όνομα σετ %1 περιέχει %2, που ο δίσκος του %3 δεν επιτρέπει σε όνομα</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>το %1 είναι φάκελος, όχι εικόνα</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or pipe</source>
        <translation>το %1 δεν είναι αρχείο αλλά συσκευή ή σωλήνας</translation>
    </message>
    <message>
        <source>%1 is too big for a picture: %2 MB</source>
        <translation>το %1 είναι πολύ μεγάλο για εικόνα: %2 MB</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, twice in pair %3</source>
        <translation>τα %1 και %2 είναι η ίδια εικόνα, δύο φορές στο ζευγάρι %3</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, in pairs %3 and %4</source>
        <translation>τα %1 και %2 είναι η ίδια εικόνα, στα ζευγάρια %3 και %4</translation>
    </message>
    <message>
        <source>cannot write the copy of %1: %2</source>
        <translation>δεν είναι δυνατή η εγγραφή του αντιγράφου του %1: %2</translation>
    </message>
    <message>
        <source>%1 needs %2 MB to decode, more than the %3 MB the game allows</source>
        <translation>το %1 χρειάζεται %2 MB για αποκωδικοποίηση, περισσότερα από τα %3 MB που επιτρέπει το παιχνίδι</translation>
    </message>
    <message>
        <source>%1 is cut short: its end is missing</source>
        <translation>το %1 είναι κομμένο: λείπει το τέλος του</translation>
    </message>
    <message>
        <source>cannot encode the copy of %1 (%2)</source>
        <translation>δεν είναι δυνατή η κωδικοποίηση του αντιγράφου του %1 (%2)</translation>
    </message>
    <message>
        <source>the set name %1 looks like that of the set %2 in the game&apos;s list</source>
        <translation>το όνομα σετ %1 μοιάζει με του σετ %2 στη λίστα του παιχνιδιού</translation>
    </message>
    <message>
        <source>a set named %1 already lies in %2, which the game plays instead: choose another name</source>
        <translation>ένα σετ με όνομα %1 βρίσκεται ήδη στο %2, και το παιχνίδι παίζει εκείνο: διαλέξτε άλλο όνομα</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs: a set holds %1 at most</source>
        <translation>
            <numerusform>%n ζευγάρι: ένα σετ έχει το πολύ %1</numerusform>
            <numerusform>%n ζευγάρια: ένα σετ έχει το πολύ %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>δεν είναι δυνατή η εγγραφή στον φάκελο %1: %2</translation>
    </message>
    <message>
        <source>the set name is too long for the disk of %1</source>
        <translation>το όνομα σετ είναι πολύ μεγάλο για τον δίσκο του %1</translation>
    </message>
    <message>
        <source>the disk of %1 does not allow the set name %2: %3</source>
        <translation>ο δίσκος του %1 δεν επιτρέπει το όνομα σετ %2: %3</translation>
    </message>
    <message>
        <source>saving was cancelled: nothing was written</source>
        <translation>η αποθήκευση ακυρώθηκε: δεν γράφτηκε τίποτα</translation>
    </message>
    <message>
        <source>there is no set %1 that can be read in %2</source>
        <translation>δεν υπάρχει σετ %1 που να διαβάζεται στο %2</translation>
    </message>
    <message>
        <source>%1 has no partner and is left out</source>
        <translation>το %1 δεν έχει ταίρι και μένει έξω</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n ζευγάρι</numerusform>
            <numerusform>%n ζευγάρια</numerusform>
        </translation>
    </message>
    <message>
        <source>no board yet</source>
        <translation>κανένα ταμπλό ακόμη</translation>
    </message>
    <message>
        <source>boards of %1</source>
        <translation>ταμπλό των %1</translation>
    </message>
    <message>
        <source>boards of %1 and %2</source>
        <translation>ταμπλό των %1 και %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 give boards of %4</source>
        <translation>%1: %2· τα %3 δίνουν ταμπλό των %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more pairs</source>
        <translation>
            <numerusform>ακόμη %n ζευγάρι</numerusform>
            <numerusform>ακόμη %n ζευγάρια</numerusform>
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
        <translation>Χρήση: zindle-sets [ΦΑΚΕΛΟΣ] [--sheet ΑΡΧΕΙΟ.png [--pairs N] [--screen ΠxΥ]]
       zindle-sets --new [ΟΝΟΜΑ ΠΡΩΤΗ1 ΔΕΥΤΕΡΗ1 ΠΡΩΤΗ2 ΔΕΥΤΕΡΗ2 ... [--replace]]
       zindle-sets --edit ΟΝΟΜΑ
       zindle-sets --export ΟΝΟΜΑ ΑΡΧΕΙΟ.zip
       zindle-sets --import ΑΡΧΕΙΟ.zip [--replace]

Ελέγχει τα σετ εικόνων του Zindle όπως τα μοιράζει και τα δείχνει το ταμπλό του
παιχνιδιού: την ίδια λίστα, την ίδια αποκωδικοποίηση εικόνων (παράλληλα, όπως το
ταμπλό) και την ίδια διάταξη καρτών. Χωρίς ΦΑΚΕΛΟ ελέγχει κάθε σετ που δείχνει το
παράθυρο προετοιμασίας, από κάθε θέση από την οποία το παιχνίδι διαβάζει σετ, το
καθένα κάτω από τον φάκελο όπου βρίσκεται (όταν ένα όνομα βρίσκεται σε δύο θέσεις, το
παιχνίδι παίζει το πρώτο: δείτε τη σελίδα του εγχειριδίου). Ο ΦΑΚΕΛΟΣ μπορεί να είναι
φάκελος με σετ ή ένα σετ: φάκελος που περιέχει τους φακέλους &quot;1&quot; και &quot;2&quot;.

Ένα σετ είναι δύο φάκελοι. Το αρχείο p του &quot;1&quot; και το αρχείο p του &quot;2&quot;, μετρημένα και
τα δύο κατά σειρά ονόματος χωρίς διάκριση πεζών-κεφαλαίων, σχηματίζουν το ζευγάρι p·
τα κρυφά αρχεία (με &quot;.&quot; μπροστά) δεν μετρούν. Το πλήθος των αρχείων στο &quot;1&quot; ορίζει
ποια πλήθη ζευγαριών (6 10 12 15 21 28 36) προσφέρει το παράθυρο προετοιμασίας.
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
        <translation>Κάθε γραμμή της αναφοράς είναι ένα εύρημα, στα αγγλικά. Η πρώτη λέξη λέει τι είναι· το
όνομα του σετ ακολουθεί σε διπλά εισαγωγικά (ένα εισαγωγικό, μια ανάστροφη κάθετος ή
ένας χαρακτήρας ελέγχου σε όνομα ή όνομα αρχείου γράφεται \&quot;, \\ ή \uXXXX). Τα
ζευγάρια αριθμούνται από το 1, κατά σειρά ονόματος.
  set &quot;S&quot; &quot;FOLDER&quot;           πού βρίσκεται το σετ
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        τα πλήθη ζευγαριών που προσφέρει το παράθυρο
                             προετοιμασίας, ή &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        τα δύο αρχεία του ζευγαριού P (&quot;-&quot; όταν το &quot;2&quot; δεν έχει)
  error &quot;S&quot;: ...             το σετ δεν μπορεί να παιχτεί: ένας φάκελος &quot;1&quot; ή &quot;2&quot;
                             λείπει ή δεν διαβάζεται, ή κανένα ζευγάρι δεν μπορεί
                             να μοιραστεί
  warning &quot;S&quot; pair P: never dealt: ...
                             το ταμπλό αφήνει το ζευγάρι έξω από κάθε παιχνίδι: το
                             &quot;2&quot; δεν έχει αρχείο γι’ αυτό, ή ένα από τα αρχεία του
                             δεν είναι κανονικό αρχείο, δεν διαβάζεται, δεν είναι
                             εικόνα που διαβάζει το παιχνίδι, είναι πολύ μεγάλο για
                             αποκωδικοποίηση ή δεν αποκωδικοποιείται (ακολουθεί ο
                             λόγος)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             το ταμπλό δείχνει μια εικόνα τόσο φαρδιά όσο η κάρτα
                             της και κόβει πάνω και κάτω όταν η κάρτα είναι πιο
                             χαμηλή από την εικόνα· το σχέδιο της εικόνας δεν
                             χωράει ολόκληρο στις γραμμές που φαίνονται σε κάποια
                             προσφερόμενα πλήθη ζευγαριών και οθόνες (πρώτα
                             αναφέρεται αυτό που δείχνει τα λιγότερα, μετά κάθε
                             οθόνη με τα πλήθη ζευγαριών της). Σχέδιο είναι κάθε
                             γραμμή με ένα εικονοστοιχείο που διαφέρει πάνω από 48
                             στα 255 σε ένα κανάλι από το χρώμα που έχουν τα
                             περισσότερα εξωτερικά εικονοστοιχεία της εικόνας: το
                             χαρτί. Μια φωτογραφία είναι σχέδιο ως τις άκρες. Οι
                             γραμμές είναι ποσοστά του ύψους της εικόνας από πάνω.
                             Οι οθόνες: 1280x1024, 1366x768, 1920x1080, 1920x1200,
                             2560x1080, 3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             δύο ζευγάρια έχουν εικόνες που μοιάζουν ίδιες, οπότε ο
                             παίκτης δεν ξέρει ποιες δύο κάρτες πάνε μαζί
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             τα περισσότερα ζευγάρια έχουν το ίδιο όνομα αρχείου
                             (χωρίς την κατάληξη) στο &quot;1&quot; και στο &quot;2&quot;, αλλά αυτό όχι:
                             συχνά ένα αρχείο λείπει ή έχει λάθος όνομα, κι έτσι τα
                             ονόματα ταξινομούνται χώρια
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (η φωτογραφία φαίνεται γυρισμένη όπως την ήθελε η κάμερα)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             η λεζάντα είναι ο τίτλος που φέρει το αρχείο εικόνας
                             (ένα κείμενο PNG &quot;Title&quot; ή &quot;Description&quot;, XMP dc:title
                             ή dc:description, EXIF ImageDescription), αλλιώς το
                             όνομα του αρχείου
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Κατάσταση εξόδου: 0 όταν κάθε σετ παίζεται στα πλήθη ζευγαριών που προσφέρει χωρίς
τίποτα για προειδοποίηση· 1 όταν υπάρχουν προειδοποιήσεις· 2 όταν ένα σετ δεν μπορεί να
παιχτεί, όταν δεν υπάρχει σετ ή τέτοιος φάκελος, όταν ένα σετ δεν μπορεί να
δημιουργηθεί, να επεξεργαστεί, να εξαχθεί ή να εισαχθεί, ή σε σφάλμα χρήσης.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>%1 (try &apos;zindle-sets --help&apos;)</source>
        <translation>%1 (δοκιμάστε &apos;zindle-sets --help&apos;)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>δεν είναι δυνατή η εγγραφή στην τυπική έξοδο: %1</translation>
    </message>
    <message>
        <source>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</source>
        <translation>το %1 έχει τη λεζάντα %2, όνομα κάμερας που δεν λέει τίποτα στον παίκτη: δώστε του άλλη με το --edit</translation>
    </message>
    <message>
        <source>shows this text</source>
        <translation>δείχνει αυτό το κείμενο</translation>
    </message>
    <message>
        <source>shows the program&apos;s version</source>
        <translation>δείχνει την έκδοση του προγράμματος</translation>
    </message>
    <message>
        <source>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</source>
        <translation>σχεδιάζει επίσης τα ζευγάρια κάθε σετ δίπλα δίπλα: τον αριθμό του ζευγαριού, κάθε εικόνα σε πλαίσιο κάρτας ακριβώς όπως τη δείχνει το ταμπλό, κομμένη, πάνω στο φόντο κάρτας &quot;fondo.jpg&quot; δίπλα στο zindle-sets όταν υπάρχει, και από κάτω τα δύο ονόματα αρχείων· ένας κόκκινος σταυρός σημαδεύει μια εικόνα που δεν μοιράζεται ποτέ. Το πολύ 120 ζευγάρια ανά σετ. Το zindle-sets δεν γράφει τίποτα άλλο εκτός από αυτό το αρχείο.</translation>
    </message>
    <message>
        <source>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</source>
        <translation>το ταμπλό που δείχνει το φύλλο: 6, 10, 12, 15, 21, 28 ή 36 ζευγάρια (προεπιλογή 36)</translation>
    </message>
    <message>
        <source>its screen in logical pixels (default 1920x1080)</source>
        <translation>η οθόνη του σε λογικά εικονοστοιχεία (προεπιλογή 1920x1080)</translation>
    </message>
    <message>
        <source>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</source>
        <translation>μόνο του: ανοίγει το παράθυρο δημιουργίας σετ. Με ΟΝΟΜΑ ΠΡΩΤΗ1 ΔΕΥΤΕΡΗ1 ...: δημιουργεί το σετ ΟΝΟΜΑ από τις εικόνες που δόθηκαν, ένα ζευγάρι κάθε δύο με τη σειρά, χωρίς παράθυρο, και τυπώνει τον φάκελό του: &quot;Zindle/ΟΝΟΜΑ&quot; στον φάκελο Εικόνες (~/.local/share/zindle/graficos/ΟΝΟΜΑ χωρίς αυτόν). Τα αντίγραφα στους φακέλους του &quot;1&quot; και &quot;2&quot; ονομάζονται 01, 02 ... και στους δύο, ισιωμένα, το πολύ 2048 εικονοστοιχεία μακριά, και φέρουν τη λεζάντα κάθε εικόνας (τον δικό της τίτλο, αλλιώς το όνομα του αρχείου της). Τα πρωτότυπα μόνο διαβάζονται. Σε τερματικό δείχνει την πρόοδό του. Ένα σετ που δεν μπορεί να δημιουργηθεί (όνομα που δεν μπορεί να είναι όνομα φακέλου ή που μοιάζει με άλλου σετ, μονός αριθμός εικόνων, ένα αρχείο που λείπει, δεν είναι εικόνα, είναι κομμένο ή δόθηκε δύο φορές, ένα σετ με αυτό το όνομα που υπάρχει ήδη, γεμάτος δίσκος) αναφέρεται στην τυπική έξοδο σφαλμάτων, δεν γράφεται τίποτα και η κατάσταση εξόδου είναι 2</translation>
    </message>
    <message>
        <source>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</source>
        <translation>με --new ΟΝΟΜΑ ή --import: αντικαθιστά το σετ με αυτό το όνομα μόλις το νέο είναι πλήρες (σε σετ που είναι σύνδεσμος: μόνο τον σύνδεσμο)</translation>
    </message>
    <message>
        <source>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</source>
        <translation>ΟΝΟΜΑ: ανοίγει το σετ ΟΝΟΜΑ στο παράθυρο δημιουργίας σετ, με τα ζευγάρια και τις λεζάντες του· η αποθήκευση γράφει μόνο ό,τι άλλαξε</translation>
    </message>
    <message>
        <source>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</source>
        <translation>ΟΝΟΜΑ ΑΡΧΕΙΟ.zip: γράφει το σετ ΟΝΟΜΑ σε αρχείο zip που ανοίγει κάθε υπολογιστής, με ΟΝΟΜΑ/1/... και ΟΝΟΜΑ/2/..., τις λεζάντες μέσα στις εικόνες</translation>
    </message>
    <message>
        <source>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</source>
        <translation>ΑΡΧΕΙΟ.zip: δημιουργεί το σετ που περιέχει το αρχείο zip, αφού το ελέγξει ολόκληρο (ένα σετ, οι φάκελοί του &quot;1&quot; και &quot;2&quot; με εικόνες, τίποτα άλλο, μέσα στα μεγέθη ενός σετ)· κάθε άρνηση κατονομάζει την καταχώριση και λέει γιατί</translation>
    </message>
    <message>
        <source>--new, --edit, --export and --import go one at a time</source>
        <translation>τα --new, --edit, --export και --import πάνε ένα κάθε φορά</translation>
    </message>
    <message>
        <source>--sheet, --pairs and --screen go with a check alone</source>
        <translation>τα --sheet, --pairs και --screen πάνε μόνο με έλεγχο</translation>
    </message>
    <message>
        <source>--replace goes with --new NAME or --import</source>
        <translation>το --replace πάει με --new ΟΝΟΜΑ ή --import</translation>
    </message>
    <message>
        <source>--export takes a set&apos;s NAME and FILE.zip</source>
        <translation>το --export θέλει το ΟΝΟΜΑ ενός σετ και ΑΡΧΕΙΟ.zip</translation>
    </message>
    <message>
        <source>--import takes one FILE.zip</source>
        <translation>το --import θέλει ένα ΑΡΧΕΙΟ.zip</translation>
    </message>
    <message>
        <source>importing: %1 of %2 pictures</source>
        <translation>εισαγωγή: %1 από %2 εικόνες</translation>
    </message>
    <message>
        <source>saving: %1 of %2 pictures</source>
        <translation>αποθήκευση: %1 από %2 εικόνες</translation>
    </message>
    <message>
        <source>--edit takes a set&apos;s NAME</source>
        <translation>το --edit θέλει το ΟΝΟΜΑ ενός σετ</translation>
    </message>
    <message>
        <source>--new takes a NAME and its pictures, or nothing</source>
        <translation>το --new θέλει ένα ΟΝΟΜΑ και τις εικόνες του, ή τίποτα</translation>
    </message>
    <message>
        <source>this maker&apos;s window cannot open a set</source>
        <translation>αυτό το παράθυρο δημιουργίας δεν μπορεί να ανοίξει σετ</translation>
    </message>
    <message>
        <source>one folder at most</source>
        <translation>το πολύ ένας φάκελος</translation>
    </message>
    <message>
        <source>--pairs takes 6, 10, 12, 15, 21, 28 or 36</source>
        <translation>το --pairs δέχεται 6, 10, 12, 15, 21, 28 ή 36</translation>
    </message>
    <message>
        <source>--screen takes a size such as 1920x1080</source>
        <translation>το --screen δέχεται ένα μέγεθος όπως 1920x1080</translation>
    </message>
    <message>
        <source>--pairs and --screen choose the board of --sheet</source>
        <translation>τα --pairs και --screen διαλέγουν το ταμπλό του --sheet</translation>
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
        <translation>Μία ακόμη σημείωση, για τις λεζάντες:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             στο συνηθισμένο επίπεδο στίξης ένας αναγνώστης οθόνης
                             λέει τα : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ = ως
                             λέξεις, οπότε το &quot;ρολόι: 10:15&quot; ακούγεται &quot;ρολόι άνω
                             κάτω τελεία 10 άνω κάτω τελεία 15&quot;· ένα κόμμα τον κάνει
                             μόνο να σταματήσει λίγο
</translation>
    </message>
    <message>
        <source>the set maker&apos;s window needs a display, and there is none</source>
        <translation>το παράθυρο δημιουργίας σετ χρειάζεται οθόνη, και δεν υπάρχει καμία</translation>
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
    <message>
        <source>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</source>
        <translation>Το σύνολο εικόνων «%1» δεν μοιράστηκε εγκαίρως: οι φάκελοί του έχουν πάρα πολλά αρχεία που δεν είναι εικόνες ή αποκρίνονται πολύ αργά.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n ζευγάρι</numerusform>
            <numerusform>%n ζευγάρια</numerusform>
        </translation>
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
        <source>%1: the preference is not kept: %2: %3
</source>
        <translation>%1: η προτίμηση δεν διατηρείται: %2: %3
</translation>
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
    <message>
        <source>Dealing the cards… %1 %</source>
        <translation>Μοίρασμα των καρτών… %1 %</translation>
    </message>
</context>
</TS>
