<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Announcements</name>
    <message numerus="yes">
        <source>%1, %n pairs</source>
        <translation>
            <numerusform>%1, %n coppia</numerusform>
            <numerusform>%1, %n coppie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pairs, no clock</source>
        <translation>
            <numerusform>%1, %n coppia, senza orologio</numerusform>
            <numerusform>%1, %n coppie, senza orologio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>manca %n secondo</numerusform>
            <numerusform>mancano %n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds played</source>
        <translation>
            <numerusform>%n secondo di gioco</numerusform>
            <numerusform>%n secondi di gioco</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair found, %1 of %2</source>
        <translation>Coppia trovata, %1 di %2</translation>
    </message>
    <message>
        <source>Not a pair</source>
        <translation>Non è una coppia</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Make a picture set</source>
        <translation>Crea una serie di immagini</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>&amp;Nome della serie:</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Nome della serie</translation>
    </message>
    <message>
        <source>as the game&apos;s list shows it</source>
        <translation>come la mostrerà l’elenco del gioco</translation>
    </message>
    <message>
        <source>&amp;Add pictures…</source>
        <translation>&amp;Aggiungi immagini…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Scegli le immagini due alla volta, ognuna seguita dalla sua compagna, o trascinale qui. Ogni carta appare come la mostra la tavola: le righe ombreggiate vengono tagliate sulla carta più piccola che la serie può avere. Ogni didascalia è ciò che un lettore di schermo dice della sua carta.</translation>
    </message>
    <message>
        <source>How to make a set</source>
        <translation>Come creare una serie</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Coppie</translation>
    </message>
    <message>
        <source>Pairs in the set</source>
        <translation>Coppie della serie</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the set</source>
        <translation>Salva la serie</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Choose pictures, each followed by its partner</source>
        <translation>Scegli le immagini, ognuna seguita dalla sua compagna</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>Chiudere senza salvare?</translation>
    </message>
    <message>
        <source>The set has not been saved. Close and leave it unsaved?</source>
        <translation>La serie non è stata salvata. Chiudere senza salvarla?</translation>
    </message>
    <message>
        <source>Replace the set?</source>
        <translation>Sostituire la serie?</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Replace it with this one?</source>
        <translation>Esiste già una serie chiamata «%1». Sostituirla con questa?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>Nothing was saved:</source>
        <translation>Non è stato salvato nulla:</translation>
    </message>
    <message>
        <source>Saved in %1. The game lists the set as &quot;%2&quot;.</source>
        <translation>Salvata in %1. Il gioco elenca la serie come «%2».</translation>
    </message>
    <message>
        <source>No pairs yet: add pictures, or drop them here.</source>
        <translation>Ancora nessuna coppia: aggiungi immagini o trascinale qui.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n coppia</numerusform>
            <numerusform>%n coppie</numerusform>
        </translation>
    </message>
    <message>
        <source>and a picture waiting for its partner</source>
        <translation>e un’immagine che aspetta la sua compagna</translation>
    </message>
    <message>
        <source>The game deals boards of %1 pairs and more.</source>
        <translation>Il gioco distribuisce tavole da %1 coppie in su.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Coppia %1</translation>
    </message>
    <message>
        <source>Add its partner with “Add pictures…”.</source>
        <translation>Aggiungi la sua compagna con «Aggiungi immagini…».</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Move pair %1 up</source>
        <translation>Sposta su la coppia %1</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Move pair %1 down</source>
        <translation>Sposta giù la coppia %1</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Scambia</translation>
    </message>
    <message>
        <source>Swap the pictures of pair %1</source>
        <translation>Scambia le immagini della coppia %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove pair %1</source>
        <translation>Rimuovi la coppia %1</translation>
    </message>
    <message>
        <source>Picture %1 of pair %2 as the board shows it</source>
        <translation>Immagine %1 della coppia %2 come la mostra la tavola</translation>
    </message>
    <message>
        <source>File of picture %1 of pair %2</source>
        <translation>File dell’immagine %1 della coppia %2</translation>
    </message>
    <message>
        <source>Caption of picture %1 of pair %2</source>
        <translation>Didascalia dell’immagine %1 della coppia %2</translation>
    </message>
    <message>
        <source>What a screen reader says of the card</source>
        <translation>Ciò che un lettore di schermo dice della carta</translation>
    </message>
    <message>
        <source>Not a picture the game reads: the set cannot be saved with it.</source>
        <translation>Non è un’immagine che il gioco legge: la serie non può essere salvata con essa.</translation>
    </message>
    <message>
        <source>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</source>
        <translation>⚠ La tavola taglia il disegno (righe %1–%2 %): con %3 coppie su uno schermo %4×%5 una carta mostra le righe %6–%7 %.</translation>
    </message>
    <message>
        <source>Every board shows all of it.</source>
        <translation>Ogni tavola la mostra intera.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Ogni tavola mostra il disegno; la carta più piccola mostra le righe %1–%2 %.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>How the board shows it</source>
        <translation>Come la mostra la tavola</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>no clock, %1 s</source>
        <translation>senza orologio, %1 s</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the game deals boards of %1 pairs and more: this set of %2 offers none yet</source>
        <translation>il gioco distribuisce tavole da %1 coppie in su: questa serie di %2 non ne offre ancora</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>la serie non ha un nome</translation>
    </message>
    <message>
        <source>the set name %1 cannot be a folder&apos;s name</source>
        <translation>il nome di serie %1 non può essere il nome di una cartella</translation>
    </message>
    <message>
        <source>the set name %1 cannot hold a &quot;/&quot;</source>
        <translation>il nome di serie %1 non può contenere «/»</translation>
    </message>
    <message>
        <source>the set name %1 starts with &quot;.&quot;, which hides the set from the game</source>
        <translation>il nome di serie %1 inizia con «.», il che nasconde la serie al gioco</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: file inesistente</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 non può essere letto</translation>
    </message>
    <message>
        <source>%1 is not a picture</source>
        <translation>%1 non è un’immagine</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2)</source>
        <translation>%1 non può essere decodificato (%2)</translation>
    </message>
    <message>
        <source>cannot write the copy of %1 (%2)</source>
        <translation>impossibile scrivere la copia di %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write the caption of %1</source>
        <translation>impossibile scrivere la didascalia di %1</translation>
    </message>
    <message>
        <source>a set named %1 already exists in %2</source>
        <translation>esiste già una serie chiamata %1 in %2</translation>
    </message>
    <message>
        <source>no pictures: each pair needs two</source>
        <translation>nessuna immagine: ogni coppia ne richiede due</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures: each pair needs two, so %1 has no partner</source>
        <translation>
            <numerusform>%n immagine: ogni coppia ne richiede due, quindi %1 non ha compagna</numerusform>
            <numerusform>%n immagini: ogni coppia ne richiede due, quindi %1 non ha compagna</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>cannot write in the folder %1</source>
        <translation>impossibile scrivere nella cartella %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1</source>
        <translation>impossibile spostare la nuova serie in %1</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>Non è stata scelta nessuna cartella delle immagini.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>La cartella delle immagini «%1» non c’è più.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>Non esiste nessuna cartella delle immagini chiamata «%1».</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>La cartella delle immagini «%1» non si può aprire: servono due cartelle leggibili, «1» e «2».</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>La cartella delle immagini «%1» non contiene nessuna coppia di immagini.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>La cartella delle immagini «%1» non ha nessuna coppia di immagini che si possa mostrare.</translation>
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
        <translation>nessuno schermo: né DISPLAY né WAYLAND_DISPLAY è impostata</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>il server X dello schermo %1 non risponde</translation>
    </message>
    <message>
        <source>Pairs game: find the pictures that belong together</source>
        <translation>Gioco delle coppie: trova le immagini che vanno insieme</translation>
    </message>
    <message>
        <source>Play at your own pace: the clock counts the seconds played and never runs out.</source>
        <translation>Gioca con calma: l’orologio conta i secondi di gioco e non scade mai.</translation>
    </message>
    <message>
        <source>Play against the clock.</source>
        <translation>Gioca contro il tempo.</translation>
    </message>
    <message>
        <source>no display: Qt has no platform called %1</source>
        <translation>nessuno schermo: Qt non ha alcuna piattaforma chiamata %1</translation>
    </message>
    <message>
        <source>no display: no Wayland compositor answers at %1</source>
        <translation>nessuno schermo: nessun compositor Wayland risponde su %1</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>nessuno schermo: DISPLAY non è impostata</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Distribuzione delle carte…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
