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
    <message numerus="yes">
        <source>%1, %n seconds</source>
        <comment>The board, then its time limit</comment>
        <translation>
            <numerusform>%1, %n secondo</numerusform>
            <numerusform>%1, %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>Il tempo è scaduto</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Il tempo è finito</translation>
    </message>
    <message numerus="yes">
        <source>Finished with %n seconds left</source>
        <translation>
            <numerusform>Finito con %n secondo rimasto</numerusform>
            <numerusform>Finito con %n secondi rimasti</numerusform>
        </translation>
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
        <source>Pairs</source>
        <translation>Coppie</translation>
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
        <source>Every board shows all of it.</source>
        <translation>Ogni tavola la mostra intera.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Ogni tavola mostra il disegno; la carta più piccola mostra le righe %1–%2 %.</translation>
    </message>
    <message>
        <source>O&amp;pen a set…</source>
        <translation>A&amp;pri una serie…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Scegli le immagini a due a due, ognuna seguita dalla sua compagna, o trascinale qui. Ogni carta appare come la mostra la tavola su questo schermo: le righe ombreggiate sono tagliate sulla carta più piccola che la serie può avere. Ogni didascalia è ciò che un lettore di schermo dice della sua carta.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Interruzione…</translation>
    </message>
    <message>
        <source>&amp;Undo removal</source>
        <translation>Annulla &amp;rimozione</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Esporta…</translation>
    </message>
    <message>
        <source>Save the set as one .zip file to share</source>
        <translation>Salva la serie in un solo file .zip da condividere</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>Add a set shared as a .zip file</source>
        <translation>Aggiungi una serie condivisa come file .zip</translation>
    </message>
    <message numerus="yes">
        <source>Opened the set &quot;%1&quot;: %n pairs.</source>
        <translation>
            <numerusform>Aperta la serie «%1»: %n coppia.</numerusform>
            <numerusform>Aperta la serie «%1»: %n coppie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</source>
        <translation>Accoppiate nell’ordine scelto: %1. Per accoppiare un’immagine con un’altra, usa «Scambia con…» sotto di essa.</translation>
    </message>
    <message>
        <source>Choose picture %1 of pair %2</source>
        <translation>Scegli l’immagine %1 della coppia %2</translation>
    </message>
    <message>
        <source>Choose the partner of pair %1</source>
        <translation>Scegli la compagna della coppia %1</translation>
    </message>
    <message>
        <source>Open a set</source>
        <translation>Apri una serie</translation>
    </message>
    <message>
        <source>Your sets in %1:</source>
        <translation>Le tue serie in %1:</translation>
    </message>
    <message>
        <source>Your sets</source>
        <translation>Le tue serie</translation>
    </message>
    <message>
        <source>No set yet: make one and save it.</source>
        <translation>Ancora nessuna serie: creane una e salvala.</translation>
    </message>
    <message>
        <source>Leave this set unsaved?</source>
        <translation>Lasciare questa serie senza salvarla?</translation>
    </message>
    <message>
        <source>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</source>
        <translation>Questa serie non è stata salvata. Aprire «%1» e lasciarla senza salvarla?</translation>
    </message>
    <message>
        <source>Save the set before exporting it.</source>
        <translation>Salva la serie prima di esportarla.</translation>
    </message>
    <message>
        <source>Export the set as a .zip file</source>
        <translation>Esporta la serie come file .zip</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>File zip (*.zip)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Esportazione…</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Esportata in %1.</translation>
    </message>
    <message>
        <source>Nothing was exported:</source>
        <translation>Non è stato esportato nulla:</translation>
    </message>
    <message>
        <source>Import a set from a .zip file</source>
        <translation>Importa una serie da un file .zip</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Importazione…</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Non è stato importato nulla:</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvataggio…</translation>
    </message>
    <message>
        <source>Pair %1 removed; Ctrl+Z puts it back. %2</source>
        <translation>Coppia %1 rimossa; Ctrl+Z la rimette. %2</translation>
    </message>
    <message>
        <source>picture %1 of pair %2: %3</source>
        <translation>immagine %1 della coppia %2: %3</translation>
    </message>
    <message>
        <source>A picture waits for its partner.</source>
        <translation>Un’immagine aspetta la sua compagna.</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Immagine…</translation>
    </message>
    <message>
        <source>Exchange…</source>
        <translation>Scambia con…</translation>
    </message>
    <message>
        <source>Exchange picture %1 of pair %2 with one of another pair</source>
        <translation>Scambia l’immagine %1 della coppia %2 con una di un’altra coppia</translation>
    </message>
    <message>
        <source>A camera&apos;s name: rename it to what the card shows.</source>
        <translation>È un nome della fotocamera: rinominala con ciò che mostra la carta.</translation>
    </message>
    <message>
        <source>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</source>
        <translation>⚠ Su questo schermo (%1×%2) una tavola di %3 coppie taglia il disegno (righe %4–%5 %): una carta mostra le righe %6–%7 %.</translation>
    </message>
    <message>
        <source>Choose its par&amp;tner…</source>
        <translation>Scegli la &amp;compagna…</translation>
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
    <name>ResultsWindow</name>
    <message>
        <source>Back to the game over</source>
        <translation>Torna alla fine della partita</translation>
    </message>
    <message>
        <source>Back to the board</source>
        <translation>Torna al tavolo</translation>
    </message>
    <message>
        <source>Play a new board</source>
        <translation>Gioca un nuovo tavolo</translation>
    </message>
    <message>
        <source>F9 shows the results of the run.</source>
        <translation>F9 mostra i risultati della sessione.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 non può essere letto</translation>
    </message>
    <message>
        <source>%1 is not a zip file that can be read: %2</source>
        <translation>%1 non è un file zip leggibile: %2</translation>
    </message>
    <message>
        <source>%1: cannot be inflated: %2</source>
        <translation>%1: non può essere decompresso: %2</translation>
    </message>
    <message>
        <source>%1: inflates to more than %2 MB, more than a picture</source>
        <translation>%1: si decomprime in più di %2 MB, più di un’immagine</translation>
    </message>
    <message>
        <source>%1: the pictures inflate to more than %2 MB together</source>
        <translation>%1: le immagini si decomprimono in più di %2 MB in tutto</translation>
    </message>
    <message>
        <source>%1: inflates more than %2 times, as no picture does</source>
        <translation>%1: si decomprime più di %2 volte, come nessuna immagine fa</translation>
    </message>
    <message>
        <source>%1: an absolute path, outside any set</source>
        <translation>%1: un percorso assoluto, fuori da ogni serie</translation>
    </message>
    <message>
        <source>%1: a path that leaves the set</source>
        <translation>%1: un percorso che esce dalla serie</translation>
    </message>
    <message>
        <source>%1: a link, which no set holds</source>
        <translation>%1: un collegamento, che nessuna serie contiene</translation>
    </message>
    <message>
        <source>%1: a device or pipe, not a picture</source>
        <translation>%1: un dispositivo o una pipe, non un’immagine</translation>
    </message>
    <message>
        <source>%1: a second set beside %2; an archive holds one</source>
        <translation>%1: una seconda serie accanto a %2; un archivio ne contiene una</translation>
    </message>
    <message>
        <source>%1: a file outside the set&apos;s folder</source>
        <translation>%1: un file fuori dalla cartella della serie</translation>
    </message>
    <message>
        <source>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</source>
        <translation>%1: in una serie ci sono solo le cartelle &quot;1&quot; e &quot;2&quot;</translation>
    </message>
    <message>
        <source>%1: a file where the folder %2 belongs</source>
        <translation>%1: un file dove va la cartella %2</translation>
    </message>
    <message>
        <source>%1: a folder inside %2, where only pictures belong</source>
        <translation>%1: una cartella dentro %2, dove vanno solo immagini</translation>
    </message>
    <message>
        <source>%1: %2 MB, more than a picture</source>
        <translation>%1: %2 MB, più di un’immagine</translation>
    </message>
    <message>
        <source>%1: needs %2 MB to decode, more than the game allows</source>
        <translation>%1: richiede %2 MB per la decodifica, più di quanto il gioco consenta</translation>
    </message>
    <message>
        <source>%1: not a picture the game reads</source>
        <translation>%1: non è un’immagine che il gioco legge</translation>
    </message>
    <message>
        <source>%1: a picture cut short</source>
        <translation>%1: un’immagine troncata</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries, more than a set</source>
        <translation>%1 contiene più di %2 voci, più di una serie</translation>
    </message>
    <message>
        <source>%1: twice in the archive</source>
        <translation>%1: due volte nell’archivio</translation>
    </message>
    <message>
        <source>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</source>
        <translation>%1 non contiene alcuna serie: una cartella con immagini nelle sue cartelle &quot;1&quot; e &quot;2&quot;</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read</source>
        <translation>%1 è cambiato durante la lettura</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 is no set that can be read: its folder %2 is missing</source>
        <translation>%1 non è una serie leggibile: manca la sua cartella %2</translation>
    </message>
    <message>
        <source>%1 cannot be read, or is too big to share</source>
        <translation>%1 non può essere letto, o è troppo grande da condividere</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>coppia %1: %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
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
        <source>cannot move the new set into %1: %2</source>
        <translation>impossibile spostare la nuova serie in %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a set: nothing was replaced</source>
        <translation>%1 è un file, non una serie: non è stato sostituito nulla</translation>
    </message>
    <message>
        <source>cannot keep %1 of the set replaced: %2</source>
        <translation>impossibile conservare %1 della serie sostituita: %2</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>il disco è pieno (%1)</translation>
    </message>
    <message>
        <source>the set has no name: a name needs a letter, digit or sign</source>
        <translation>la serie non ha nome: un nome richiede una lettera, una cifra o un segno</translation>
    </message>
    <message>
        <source>the set name %1 holds a control character</source>
        <translation>il nome di serie %1 contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</source>
        <translation>il nome di serie è troppo lungo: %1 byte, dove il nome di una cartella ne contiene 255</translation>
    </message>
    <message>
        <source>the set name %1 holds %2, which the disk of %3 does not allow in a name</source>
        <translation>il nome di serie %1 contiene %2, che il disco di %3 non consente in un nome</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>%1 è una cartella, non un’immagine</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or pipe</source>
        <translation>%1 non è un file ma un dispositivo o una pipe</translation>
    </message>
    <message>
        <source>%1 is too big for a picture: %2 MB</source>
        <translation>%1 è troppo grande per un’immagine: %2 MB</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, twice in pair %3</source>
        <translation>%1 e %2 sono la stessa immagine, due volte nella coppia %3</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, in pairs %3 and %4</source>
        <translation>%1 e %2 sono la stessa immagine, nelle coppie %3 e %4</translation>
    </message>
    <message>
        <source>cannot write the copy of %1: %2</source>
        <translation>impossibile scrivere la copia di %1: %2</translation>
    </message>
    <message>
        <source>%1 needs %2 MB to decode, more than the %3 MB the game allows</source>
        <translation>%1 richiede %2 MB per la decodifica, più dei %3 MB che il gioco consente</translation>
    </message>
    <message>
        <source>%1 is cut short: its end is missing</source>
        <translation>%1 è troncato: manca la sua fine</translation>
    </message>
    <message>
        <source>cannot encode the copy of %1 (%2)</source>
        <translation>impossibile codificare la copia di %1 (%2)</translation>
    </message>
    <message>
        <source>the set name %1 looks like that of the set %2 in the game&apos;s list</source>
        <translation>il nome di serie %1 somiglia a quello della serie %2 nell’elenco del gioco</translation>
    </message>
    <message>
        <source>a set named %1 already lies in %2, which the game plays instead: choose another name</source>
        <translation>una serie chiamata %1 si trova già in %2, e il gioco usa quella: scegli un altro nome</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs: a set holds %1 at most</source>
        <translation>
            <numerusform>%n coppia: una serie ne contiene al massimo %1</numerusform>
            <numerusform>%n coppie: una serie ne contiene al massimo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>impossibile scrivere nella cartella %1: %2</translation>
    </message>
    <message>
        <source>the set name is too long for the disk of %1</source>
        <translation>il nome di serie è troppo lungo per il disco di %1</translation>
    </message>
    <message>
        <source>the disk of %1 does not allow the set name %2: %3</source>
        <translation>il disco di %1 non consente il nome di serie %2: %3</translation>
    </message>
    <message>
        <source>saving was cancelled: nothing was written</source>
        <translation>il salvataggio è stato annullato: non è stato scritto nulla</translation>
    </message>
    <message>
        <source>there is no set %1 that can be read in %2</source>
        <translation>non c’è una serie %1 leggibile in %2</translation>
    </message>
    <message>
        <source>%1 has no partner and is left out</source>
        <translation>%1 non ha compagna e resta fuori</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n coppia</numerusform>
            <numerusform>%n coppie</numerusform>
        </translation>
    </message>
    <message>
        <source>no board yet</source>
        <translation>ancora nessuna tavola</translation>
    </message>
    <message>
        <source>boards of %1</source>
        <translation>tavole di %1</translation>
    </message>
    <message>
        <source>boards of %1 and %2</source>
        <translation>tavole di %1 e %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 give boards of %4</source>
        <translation>%1: %2; %3 danno tavole di %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more pairs</source>
        <translation>
            <numerusform>%n coppia in più</numerusform>
            <numerusform>%n coppie in più</numerusform>
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
        <translation>Uso: zindle-sets [CARTELLA] [--sheet FILE.png [--pairs N] [--screen LxA]]
     zindle-sets --new [NOME PRIMA1 SECONDA1 PRIMA2 SECONDA2 ... [--replace]]
     zindle-sets --edit NOME
     zindle-sets --export NOME FILE.zip
     zindle-sets --import FILE.zip [--replace]

Controlla le serie di immagini di Zindle come la tavola del gioco le distribuisce e le
mostra: lo stesso elenco, la stessa decodifica delle immagini (in parallelo, come la
tavola) e la stessa disposizione delle carte. Senza CARTELLA controlla ogni serie che la
finestra di preparazione elenca, da ogni luogo da cui il gioco legge le serie, ciascuna
sotto la cartella in cui si trova (se un nome si trova in due luoghi, il gioco usa il
primo: vedi la pagina di manuale). CARTELLA può essere una cartella di serie, o una
serie: una cartella che contiene le cartelle &quot;1&quot; e &quot;2&quot;.

Una serie sono due cartelle. Il file p di &quot;1&quot; e il file p di &quot;2&quot;, contati entrambi in
ordine di nome senza distinguere maiuscole e minuscole, formano la coppia p; i file
nascosti (con un &quot;.&quot; iniziale) non contano. Il numero di file in &quot;1&quot; decide quali numeri
di coppie (6 10 12 15 21 28 36) offre la finestra di preparazione.
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
        <translation>Ogni riga del rapporto è un risultato, in inglese. La sua prima parola dice che cos’è; il
nome della serie segue tra virgolette doppie (una virgoletta, una barra rovesciata o un
carattere di controllo in un nome o nome di file si scrive \&quot;, \\ o \uXXXX). Le coppie
sono numerate da 1, in ordine di nome.
  set &quot;S&quot; &quot;FOLDER&quot;           dove si trova la serie
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        i numeri di coppie che offre la finestra di
                             preparazione, o &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        i due file della coppia P (&quot;-&quot; se &quot;2&quot; non ne ha)
  error &quot;S&quot;: ...             la serie non si può giocare: una cartella &quot;1&quot; o &quot;2&quot; che
                             manca o non si legge, o nessuna coppia distribuibile
  warning &quot;S&quot; pair P: never dealt: ...
                             la tavola lascia fuori la coppia da ogni partita: &quot;2&quot;
                             non ha un file per lei, o uno dei suoi file non è un
                             file normale, non si può leggere, non è un’immagine che
                             il gioco legge, è troppo grande da decodificare o non
                             si può decodificare (segue il motivo)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             la tavola mostra un’immagine larga quanto la sua carta e
                             ne taglia sopra e sotto quando la carta è più bassa
                             dell’immagine; il disegno dell’immagine non sta tutto
                             nelle righe mostrate con alcuni numeri di coppie e
                             schermi offerti (prima è nominato quello che ne mostra
                             meno, poi ogni schermo con i suoi numeri di coppie). Il
                             disegno è ogni riga con un pixel che differisce di più
                             di 48 su 255 in un canale dal colore che ha la maggior
                             parte dei pixel del bordo dell’immagine: la carta. Una
                             foto è disegno fino ai bordi. Le righe sono percentuali
                             dell’altezza dell’immagine dall’alto. Gli schermi:
                             1280x1024, 1366x768, 1920x1080, 1920x1200, 2560x1080,
                             3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             due coppie hanno immagini che sembrano uguali, così un
                             giocatore non può capire quali due carte vanno insieme
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             la maggior parte delle coppie ha lo stesso nome di file
                             (estensione a parte) in &quot;1&quot; e &quot;2&quot;, ma questa no: spesso
                             un file mancante o con un nome sbagliato, così i nomi si
                             ordinano separati
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (la foto appare girata come intendeva la fotocamera)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             la didascalia è il titolo che porta il file immagine (un
                             testo PNG &quot;Title&quot; o &quot;Description&quot;, XMP dc:title o
                             dc:description, EXIF ImageDescription), altrimenti il
                             suo nome di file
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Stato di uscita: 0 quando ogni serie si può giocare con i numeri di coppie che offre
senza nulla da segnalare; 1 quando ci sono avvisi; 2 quando una serie non si può
giocare, quando non c’è nessuna serie o nessuna cartella simile, quando una serie non
si può creare, modificare, esportare o importare, o con un errore d’uso.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>%1 (try &apos;zindle-sets --help&apos;)</source>
        <translation>%1 (prova &apos;zindle-sets --help&apos;)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossibile scrivere sullo standard output: %1</translation>
    </message>
    <message>
        <source>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</source>
        <translation>%1 ha la didascalia %2, il nome di una fotocamera che non dice nulla al giocatore: dagliene un’altra con --edit</translation>
    </message>
    <message>
        <source>shows this text</source>
        <translation>mostra questo testo</translation>
    </message>
    <message>
        <source>shows the program&apos;s version</source>
        <translation>mostra la versione del programma</translation>
    </message>
    <message>
        <source>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</source>
        <translation>disegna anche le coppie di ogni serie affiancate: il numero della coppia, ogni immagine in un riquadro di carta esattamente come la mostra la tavola, tagliata, sopra lo sfondo delle carte &quot;fondo.jpg&quot; accanto a zindle-sets se c’è, e sotto i due nomi di file; una croce rossa segna un’immagine mai distribuita. Al massimo 120 coppie per serie. zindle-sets non scrive nient’altro che questo file.</translation>
    </message>
    <message>
        <source>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</source>
        <translation>la tavola che il foglio mostra: 6, 10, 12, 15, 21, 28 o 36 coppie (predefinito 36)</translation>
    </message>
    <message>
        <source>its screen in logical pixels (default 1920x1080)</source>
        <translation>il suo schermo in pixel logici (predefinito 1920x1080)</translation>
    </message>
    <message>
        <source>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</source>
        <translation>da sola: apre la finestra per creare serie. Con NOME PRIMA1 SECONDA1 ...: crea la serie NOME con le immagini date, una coppia ogni due in ordine, senza finestra, e stampa la sua cartella: &quot;Zindle/NOME&quot; nella cartella Immagini (~/.local/share/zindle/graficos/NOME se non c’è). Le copie nelle sue cartelle &quot;1&quot; e &quot;2&quot; si chiamano 01, 02 ... in entrambe, raddrizzate, lunghe al massimo 2048 pixel, e portano la didascalia di ogni immagine (il suo titolo, altrimenti il suo nome di file). Gli originali vengono solo letti. In un terminale mostra il suo avanzamento. Una serie che non si può creare (un nome che non può essere di una cartella o che somiglia a quello di un’altra serie, un numero dispari di immagini, un file mancante, che non è un’immagine, troncato o dato due volte, una serie con quel nome già presente, un disco pieno) è indicata sullo standard error, non viene scritto nulla e lo stato di uscita è 2</translation>
    </message>
    <message>
        <source>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</source>
        <translation>con --new NOME o --import: sostituisce la serie con quel nome, una volta completa la nuova (una serie che è un collegamento: solo il collegamento)</translation>
    </message>
    <message>
        <source>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</source>
        <translation>NOME: apre la serie NOME nella finestra per creare serie, con le sue coppie e didascalie; salvarla scrive solo ciò che è cambiato</translation>
    </message>
    <message>
        <source>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</source>
        <translation>NOME FILE.zip: scrive la serie NOME in un file zip che ogni computer apre, con NOME/1/... e NOME/2/..., le didascalie dentro le immagini</translation>
    </message>
    <message>
        <source>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</source>
        <translation>FILE.zip: crea la serie contenuta nel file zip, dopo averlo controllato tutto (una serie, le sue cartelle &quot;1&quot; e &quot;2&quot; di immagini, nient’altro, entro le dimensioni di una serie); ogni rifiuto nomina la voce e dice perché</translation>
    </message>
    <message>
        <source>--new, --edit, --export and --import go one at a time</source>
        <translation>--new, --edit, --export e --import vanno uno alla volta</translation>
    </message>
    <message>
        <source>--sheet, --pairs and --screen go with a check alone</source>
        <translation>--sheet, --pairs e --screen vanno solo con un controllo</translation>
    </message>
    <message>
        <source>--replace goes with --new NAME or --import</source>
        <translation>--replace va con --new NOME o --import</translation>
    </message>
    <message>
        <source>--export takes a set&apos;s NAME and FILE.zip</source>
        <translation>--export richiede il NOME di una serie e FILE.zip</translation>
    </message>
    <message>
        <source>--import takes one FILE.zip</source>
        <translation>--import richiede un solo FILE.zip</translation>
    </message>
    <message>
        <source>importing: %1 of %2 pictures</source>
        <translation>importazione: %1 di %2 immagini</translation>
    </message>
    <message>
        <source>saving: %1 of %2 pictures</source>
        <translation>salvataggio: %1 di %2 immagini</translation>
    </message>
    <message>
        <source>--edit takes a set&apos;s NAME</source>
        <translation>--edit richiede il NOME di una serie</translation>
    </message>
    <message>
        <source>--new takes a NAME and its pictures, or nothing</source>
        <translation>--new richiede un NOME e le sue immagini, o niente</translation>
    </message>
    <message>
        <source>this maker&apos;s window cannot open a set</source>
        <translation>questa finestra per creare serie non può aprire una serie</translation>
    </message>
    <message>
        <source>one folder at most</source>
        <translation>al massimo una cartella</translation>
    </message>
    <message>
        <source>--pairs takes 6, 10, 12, 15, 21, 28 or 36</source>
        <translation>--pairs accetta 6, 10, 12, 15, 21, 28 o 36</translation>
    </message>
    <message>
        <source>--screen takes a size such as 1920x1080</source>
        <translation>--screen accetta una dimensione come 1920x1080</translation>
    </message>
    <message>
        <source>--pairs and --screen choose the board of --sheet</source>
        <translation>--pairs e --screen scelgono la tavola di --sheet</translation>
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
        <translation>Un’altra nota, sulle didascalie:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             al suo livello di punteggiatura abituale un lettore di
                             schermo legge : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ =
                             come parole, così &quot;orologio: 10:15&quot; si sente &quot;orologio
                             due punti 10 due punti 15&quot;; una virgola lo fa solo
                             fermare un attimo
</translation>
    </message>
    <message>
        <source>the set maker&apos;s window needs a display, and there is none</source>
        <translation>la finestra del creatore di serie ha bisogno di uno schermo, e non ce n&apos;è nessuno</translation>
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
    <message>
        <source>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</source>
        <translation>Il set di immagini «%1» non è stato distribuito in tempo: le sue cartelle contengono troppi file che non sono immagini, o rispondono troppo lentamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n coppia</numerusform>
            <numerusform>%n coppie</numerusform>
        </translation>
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
        <source>%1: the preference is not kept: %2: %3
</source>
        <translation>%1: la preferenza non viene conservata: %2: %3
</translation>
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
    <message>
        <source>Dealing the cards… %1 %</source>
        <translation>Distribuzione delle carte… %1 %</translation>
    </message>
</context>
</TS>
