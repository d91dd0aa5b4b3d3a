<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Announcements</name>
    <message numerus="yes">
        <source>%1, %n pairs</source>
        <translation>
            <numerusform>%1, %n paire</numerusform>
            <numerusform>%1, %n paires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pairs, no clock</source>
        <translation>
            <numerusform>%1, %n paire, sans chrono</numerusform>
            <numerusform>%1, %n paires, sans chrono</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>il reste %n seconde</numerusform>
            <numerusform>il reste %n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds played</source>
        <translation>
            <numerusform>%n seconde de jeu</numerusform>
            <numerusform>%n secondes de jeu</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair found, %1 of %2</source>
        <translation>Paire trouvée, %1 sur %2</translation>
    </message>
    <message>
        <source>Not a pair</source>
        <translation>Ce n’est pas une paire</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n seconds</source>
        <comment>The board, then its time limit</comment>
        <translation>
            <numerusform>%1, %n seconde</numerusform>
            <numerusform>%1, %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>Le temps est écoulé</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Le temps s&apos;est écoulé</translation>
    </message>
    <message numerus="yes">
        <source>Finished with %n seconds left</source>
        <translation>
            <numerusform>Terminé avec %n seconde d&apos;avance</numerusform>
            <numerusform>Terminé avec %n secondes d&apos;avance</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Make a picture set</source>
        <translation>Créer un jeu d’images</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>&amp;Nom du jeu :</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Nom du jeu</translation>
    </message>
    <message>
        <source>as the game&apos;s list shows it</source>
        <translation>tel que la liste du jeu l’affichera</translation>
    </message>
    <message>
        <source>&amp;Add pictures…</source>
        <translation>&amp;Ajouter des images…</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paires</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the set</source>
        <translation>Enregistrer le jeu</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Choose pictures, each followed by its partner</source>
        <translation>Choisissez des images, chacune suivie de sa partenaire</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>Fermer sans enregistrer ?</translation>
    </message>
    <message>
        <source>The set has not been saved. Close and leave it unsaved?</source>
        <translation>Le jeu n’a pas été enregistré. Fermer sans l’enregistrer ?</translation>
    </message>
    <message>
        <source>Replace the set?</source>
        <translation>Remplacer le jeu ?</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Replace it with this one?</source>
        <translation>Un jeu nommé « %1 » existe déjà. Le remplacer par celui-ci ?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Nothing was saved:</source>
        <translation>Rien n’a été enregistré :</translation>
    </message>
    <message>
        <source>Saved in %1. The game lists the set as &quot;%2&quot;.</source>
        <translation>Enregistré dans %1. Le jeu le liste sous « %2 ».</translation>
    </message>
    <message>
        <source>No pairs yet: add pictures, or drop them here.</source>
        <translation>Pas encore de paires : ajoutez des images ou déposez-les ici.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move pair %1 up</source>
        <translation>Monter la paire %1</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move pair %1 down</source>
        <translation>Descendre la paire %1</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Échanger</translation>
    </message>
    <message>
        <source>Swap the pictures of pair %1</source>
        <translation>Échanger les images de la paire %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove pair %1</source>
        <translation>Retirer la paire %1</translation>
    </message>
    <message>
        <source>Picture %1 of pair %2 as the board shows it</source>
        <translation>Image %1 de la paire %2 telle que le plateau la montre</translation>
    </message>
    <message>
        <source>Caption of picture %1 of pair %2</source>
        <translation>Légende de l’image %1 de la paire %2</translation>
    </message>
    <message>
        <source>What a screen reader says of the card</source>
        <translation>Ce qu’un lecteur d’écran dit de la carte</translation>
    </message>
    <message>
        <source>Not a picture the game reads: the set cannot be saved with it.</source>
        <translation>Ce n’est pas une image que le jeu lit : le jeu ne peut pas être enregistré avec elle.</translation>
    </message>
    <message>
        <source>Every board shows all of it.</source>
        <translation>Tous les plateaux la montrent en entier.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Tous les plateaux montrent son dessin ; la plus petite carte montre les lignes %1–%2 %.</translation>
    </message>
    <message>
        <source>O&amp;pen a set…</source>
        <translation>&amp;Ouvrir un jeu…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Choisissez les images deux par deux, chacune suivie de sa partenaire, ou déposez-les ici. Chaque carte s’affiche comme le plateau la montre sur cet écran : les lignes ombrées sont coupées sur la plus petite carte que le jeu peut avoir. Chaque légende est ce qu’un lecteur d’écran dit de sa carte.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>&amp;Undo removal</source>
        <translation>Annuler le &amp;retrait</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Save the set as one .zip file to share</source>
        <translation>Enregistrer le jeu dans un seul fichier .zip à partager</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>Add a set shared as a .zip file</source>
        <translation>Ajouter un jeu partagé dans un fichier .zip</translation>
    </message>
    <message numerus="yes">
        <source>Opened the set &quot;%1&quot;: %n pairs.</source>
        <translation>
            <numerusform>Jeu « %1 » ouvert : %n paire.</numerusform>
            <numerusform>Jeu « %1 » ouvert : %n paires.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</source>
        <translation>Appariées dans l’ordre choisi : %1. Pour apparier une image à une autre, utilisez « Échanger avec… » en dessous.</translation>
    </message>
    <message>
        <source>Choose picture %1 of pair %2</source>
        <translation>Choisir l’image %1 de la paire %2</translation>
    </message>
    <message>
        <source>Choose the partner of pair %1</source>
        <translation>Choisir la partenaire de la paire %1</translation>
    </message>
    <message>
        <source>Open a set</source>
        <translation>Ouvrir un jeu</translation>
    </message>
    <message>
        <source>Your sets in %1:</source>
        <translation>Vos jeux dans %1 :</translation>
    </message>
    <message>
        <source>Your sets</source>
        <translation>Vos jeux</translation>
    </message>
    <message>
        <source>No set yet: make one and save it.</source>
        <translation>Pas encore de jeu : créez-en un et enregistrez-le.</translation>
    </message>
    <message>
        <source>Leave this set unsaved?</source>
        <translation>Laisser ce jeu sans l’enregistrer ?</translation>
    </message>
    <message>
        <source>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</source>
        <translation>Ce jeu n’a pas été enregistré. Ouvrir « %1 » et le laisser sans l’enregistrer ?</translation>
    </message>
    <message>
        <source>Save the set before exporting it.</source>
        <translation>Enregistrez le jeu avant de l’exporter.</translation>
    </message>
    <message>
        <source>Export the set as a .zip file</source>
        <translation>Exporter le jeu dans un fichier .zip</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Fichiers zip (*.zip)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportation…</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exporté dans %1.</translation>
    </message>
    <message>
        <source>Nothing was exported:</source>
        <translation>Rien n’a été exporté :</translation>
    </message>
    <message>
        <source>Import a set from a .zip file</source>
        <translation>Importer un jeu depuis un fichier .zip</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Importation…</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Rien n’a été importé :</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>Pair %1 removed; Ctrl+Z puts it back. %2</source>
        <translation>Paire %1 retirée ; Ctrl+Z la remet. %2</translation>
    </message>
    <message>
        <source>picture %1 of pair %2: %3</source>
        <translation>image %1 de la paire %2 : %3</translation>
    </message>
    <message>
        <source>A picture waits for its partner.</source>
        <translation>Une image attend sa partenaire.</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Image…</translation>
    </message>
    <message>
        <source>Exchange…</source>
        <translation>Échanger avec…</translation>
    </message>
    <message>
        <source>Exchange picture %1 of pair %2 with one of another pair</source>
        <translation>Échanger l’image %1 de la paire %2 avec une d’une autre paire</translation>
    </message>
    <message>
        <source>A camera&apos;s name: rename it to what the card shows.</source>
        <translation>C’est un nom d’appareil photo : renommez-la selon ce que montre la carte.</translation>
    </message>
    <message>
        <source>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</source>
        <translation>⚠ Sur cet écran (%1×%2), un plateau de %3 paires coupe son dessin (lignes %4–%5 %) : une carte montre les lignes %6–%7 %.</translation>
    </message>
    <message>
        <source>Choose its par&amp;tner…</source>
        <translation>Choisir sa &amp;partenaire…</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>no clock, %1 s</source>
        <translation>sans chrono, %1 s</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Back to the game over</source>
        <translation>Retour à la fin de partie</translation>
    </message>
    <message>
        <source>Back to the board</source>
        <translation>Retour au plateau</translation>
    </message>
    <message>
        <source>Play a new board</source>
        <translation>Jouer un nouveau plateau</translation>
    </message>
    <message>
        <source>F9 shows the results of the run.</source>
        <translation>F9 affiche les résultats de la session.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is not a zip file that can be read: %2</source>
        <translation>%1 n’est pas un fichier zip lisible : %2</translation>
    </message>
    <message>
        <source>%1: cannot be inflated: %2</source>
        <translation>%1 : ne peut pas être décompressé : %2</translation>
    </message>
    <message>
        <source>%1: inflates to more than %2 MB, more than a picture</source>
        <translation>%1 : se décompresse en plus de %2 Mo, plus qu’une image</translation>
    </message>
    <message>
        <source>%1: the pictures inflate to more than %2 MB together</source>
        <translation>%1 : les images se décompressent en plus de %2 Mo à elles toutes</translation>
    </message>
    <message>
        <source>%1: inflates more than %2 times, as no picture does</source>
        <translation>%1 : se décompresse plus de %2 fois, ce que ne fait aucune image</translation>
    </message>
    <message>
        <source>%1: an absolute path, outside any set</source>
        <translation>%1 : un chemin absolu, hors de tout jeu</translation>
    </message>
    <message>
        <source>%1: a path that leaves the set</source>
        <translation>%1 : un chemin qui sort du jeu</translation>
    </message>
    <message>
        <source>%1: a link, which no set holds</source>
        <translation>%1 : un lien, ce qu’aucun jeu ne contient</translation>
    </message>
    <message>
        <source>%1: a device or pipe, not a picture</source>
        <translation>%1 : un périphérique ou un tube, pas une image</translation>
    </message>
    <message>
        <source>%1: a second set beside %2; an archive holds one</source>
        <translation>%1 : un second jeu à côté de %2 ; une archive en contient un seul</translation>
    </message>
    <message>
        <source>%1: a file outside the set&apos;s folder</source>
        <translation>%1 : un fichier hors du dossier du jeu</translation>
    </message>
    <message>
        <source>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</source>
        <translation>%1 : seuls les dossiers &quot;1&quot; et &quot;2&quot; ont leur place dans un jeu</translation>
    </message>
    <message>
        <source>%1: a file where the folder %2 belongs</source>
        <translation>%1 : un fichier là où doit être le dossier %2</translation>
    </message>
    <message>
        <source>%1: a folder inside %2, where only pictures belong</source>
        <translation>%1 : un dossier dans %2, où seules des images ont leur place</translation>
    </message>
    <message>
        <source>%1: %2 MB, more than a picture</source>
        <translation>%1 : %2 Mo, plus qu’une image</translation>
    </message>
    <message>
        <source>%1: needs %2 MB to decode, more than the game allows</source>
        <translation>%1 : demande %2 Mo pour être décodé, plus que le jeu ne permet</translation>
    </message>
    <message>
        <source>%1: not a picture the game reads</source>
        <translation>%1 : ce n’est pas une image que le jeu lit</translation>
    </message>
    <message>
        <source>%1: a picture cut short</source>
        <translation>%1 : une image tronquée</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries, more than a set</source>
        <translation>%1 contient plus de %2 entrées, plus qu’un jeu</translation>
    </message>
    <message>
        <source>%1: twice in the archive</source>
        <translation>%1 : deux fois dans l’archive</translation>
    </message>
    <message>
        <source>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</source>
        <translation>%1 ne contient aucun jeu : un dossier avec des images dans ses dossiers &quot;1&quot; et &quot;2&quot;</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>impossible d’écrire dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read</source>
        <translation>%1 a changé pendant sa lecture</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is no set that can be read: its folder %2 is missing</source>
        <translation>%1 n’est pas un jeu lisible : son dossier %2 manque</translation>
    </message>
    <message>
        <source>%1 cannot be read, or is too big to share</source>
        <translation>%1 ne peut pas être lu, ou est trop gros pour être partagé</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>paire %1 : %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the set name %1 cannot be a folder&apos;s name</source>
        <translation>le nom de jeu %1 ne peut pas être celui d’un dossier</translation>
    </message>
    <message>
        <source>the set name %1 cannot hold a &quot;/&quot;</source>
        <translation>le nom de jeu %1 ne peut pas contenir « / »</translation>
    </message>
    <message>
        <source>the set name %1 starts with &quot;.&quot;, which hides the set from the game</source>
        <translation>le nom de jeu %1 commence par « . », ce qui le cache au jeu</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1 : fichier introuvable</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is not a picture</source>
        <translation>%1 n’est pas une image</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2)</source>
        <translation>%1 ne peut pas être décodé (%2)</translation>
    </message>
    <message>
        <source>cannot write the caption of %1</source>
        <translation>impossible d’écrire la légende de %1</translation>
    </message>
    <message>
        <source>a set named %1 already exists in %2</source>
        <translation>un jeu nommé %1 existe déjà dans %2</translation>
    </message>
    <message>
        <source>no pictures: each pair needs two</source>
        <translation>aucune image : chaque paire en demande deux</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures: each pair needs two, so %1 has no partner</source>
        <translation>
            <numerusform>%n image : chaque paire en demande deux, donc %1 n’a pas de partenaire</numerusform>
            <numerusform>%n images : chaque paire en demande deux, donc %1 n’a pas de partenaire</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1: %2</source>
        <translation>impossible de déplacer le nouveau jeu dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a set: nothing was replaced</source>
        <translation>%1 est un fichier, pas un jeu : rien n’a été remplacé</translation>
    </message>
    <message>
        <source>cannot keep %1 of the set replaced: %2</source>
        <translation>impossible de garder %1 du jeu remplacé : %2</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>le disque est plein (%1)</translation>
    </message>
    <message>
        <source>the set has no name: a name needs a letter, digit or sign</source>
        <translation>le jeu n’a pas de nom : un nom demande une lettre, un chiffre ou un signe</translation>
    </message>
    <message>
        <source>the set name %1 holds a control character</source>
        <translation>le nom de jeu %1 contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</source>
        <translation>le nom de jeu est trop long : %1 octets, alors qu’un nom de dossier en contient 255</translation>
    </message>
    <message>
        <source>the set name %1 holds %2, which the disk of %3 does not allow in a name</source>
        <translation>le nom de jeu %1 contient %2, que le disque de %3 n’accepte pas dans un nom</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>%1 est un dossier, pas une image</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or pipe</source>
        <translation>%1 n’est pas un fichier mais un périphérique ou un tube</translation>
    </message>
    <message>
        <source>%1 is too big for a picture: %2 MB</source>
        <translation>%1 est trop gros pour une image : %2 Mo</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, twice in pair %3</source>
        <translation>%1 et %2 sont la même image, deux fois dans la paire %3</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, in pairs %3 and %4</source>
        <translation>%1 et %2 sont la même image, dans les paires %3 et %4</translation>
    </message>
    <message>
        <source>cannot write the copy of %1: %2</source>
        <translation>impossible d’écrire la copie de %1 : %2</translation>
    </message>
    <message>
        <source>%1 needs %2 MB to decode, more than the %3 MB the game allows</source>
        <translation>%1 demande %2 Mo pour être décodé, plus que les %3 Mo que le jeu permet</translation>
    </message>
    <message>
        <source>%1 is cut short: its end is missing</source>
        <translation>%1 est tronqué : sa fin manque</translation>
    </message>
    <message>
        <source>cannot encode the copy of %1 (%2)</source>
        <translation>impossible d’encoder la copie de %1 (%2)</translation>
    </message>
    <message>
        <source>the set name %1 looks like that of the set %2 in the game&apos;s list</source>
        <translation>le nom de jeu %1 ressemble à celui du jeu %2 dans la liste du jeu</translation>
    </message>
    <message>
        <source>a set named %1 already lies in %2, which the game plays instead: choose another name</source>
        <translation>un jeu nommé %1 se trouve déjà dans %2, et c’est lui que le jeu utilise : choisissez un autre nom</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs: a set holds %1 at most</source>
        <translation>
            <numerusform>%n paire : un jeu en contient %1 au plus</numerusform>
            <numerusform>%n paires : un jeu en contient %1 au plus</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>impossible d’écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>the set name is too long for the disk of %1</source>
        <translation>le nom de jeu est trop long pour le disque de %1</translation>
    </message>
    <message>
        <source>the disk of %1 does not allow the set name %2: %3</source>
        <translation>le disque de %1 n’accepte pas le nom de jeu %2 : %3</translation>
    </message>
    <message>
        <source>saving was cancelled: nothing was written</source>
        <translation>l’enregistrement a été annulé : rien n’a été écrit</translation>
    </message>
    <message>
        <source>there is no set %1 that can be read in %2</source>
        <translation>il n’y a pas de jeu %1 lisible dans %2</translation>
    </message>
    <message>
        <source>%1 has no partner and is left out</source>
        <translation>%1 n’a pas de partenaire et reste de côté</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n paire</numerusform>
            <numerusform>%n paires</numerusform>
        </translation>
    </message>
    <message>
        <source>no board yet</source>
        <translation>pas encore de plateau</translation>
    </message>
    <message>
        <source>boards of %1</source>
        <translation>plateaux de %1</translation>
    </message>
    <message>
        <source>boards of %1 and %2</source>
        <translation>plateaux de %1 et %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 give boards of %4</source>
        <translation>%1 : %2 ; %3 donnent des plateaux de %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more pairs</source>
        <translation>
            <numerusform>%n paire de plus</numerusform>
            <numerusform>%n paires de plus</numerusform>
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
        <translation>Usage : zindle-sets [DOSSIER] [--sheet FICHIER.png [--pairs N] [--screen LxH]]
        zindle-sets --new [NOM PREMIER1 SECOND1 PREMIER2 SECOND2 ... [--replace]]
        zindle-sets --edit NOM
        zindle-sets --export NOM FICHIER.zip
        zindle-sets --import FICHIER.zip [--replace]

Vérifie les jeux d’images de Zindle comme le plateau du jeu les distribue et les montre :
le même listage, le même décodage des images (en parallèle, comme le plateau) et la même
disposition des cartes. Sans DOSSIER, vérifie chaque jeu que liste la fenêtre de
préparation, de chaque endroit d’où le jeu lit des jeux, chacun sous le dossier où il se
trouve (si un nom se trouve à deux endroits, le jeu utilise le premier : voir la page de
manuel). DOSSIER peut être un dossier de jeux, ou un jeu : un dossier qui contient les
dossiers &quot;1&quot; et &quot;2&quot;.

Un jeu, ce sont deux dossiers. Le fichier p de &quot;1&quot; et le fichier p de &quot;2&quot;, tous deux
comptés dans l’ordre des noms sans tenir compte de la casse, forment la paire p ; les
fichiers cachés (commençant par &quot;.&quot;) ne comptent pas. Le nombre de fichiers dans &quot;1&quot;
décide des nombres de paires (6 10 12 15 21 28 36) que propose la fenêtre de préparation.
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
        <translation>Chaque ligne du rapport est un constat, en anglais. Son premier mot dit ce qu’il est ; le
nom du jeu suit entre guillemets droits (un guillemet, une barre oblique inverse ou un
caractère de contrôle dans un nom ou un nom de fichier s’écrit \&quot;, \\ ou \uXXXX). Les
paires sont numérotées à partir de 1, dans l’ordre des noms.
  set &quot;S&quot; &quot;FOLDER&quot;           où se trouve le jeu
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        les nombres de paires que propose la fenêtre de
                             préparation, ou &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        les deux fichiers de la paire P (&quot;-&quot; si &quot;2&quot; n’en a pas)
  error &quot;S&quot;: ...             le jeu ne peut pas être joué : un dossier &quot;1&quot; ou &quot;2&quot;
                             manquant ou illisible, ou aucune paire distribuable
  warning &quot;S&quot; pair P: never dealt: ...
                             le plateau laisse la paire hors de toute partie : &quot;2&quot;
                             n’a pas de fichier pour elle, ou l’un de ses fichiers
                             n’est pas un fichier ordinaire, ne peut pas être lu,
                             n’est pas une image que le jeu lit, est trop gros pour
                             être décodé ou ne peut pas l’être (la raison suit)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             le plateau montre une image aussi large que sa carte et
                             en coupe le haut et le bas quand la carte est moins
                             haute que l’image ; le dessin de l’image ne tient pas
                             entièrement dans les lignes montrées pour certains
                             nombres de paires et écrans proposés (celui qui en
                             montre le moins est nommé d’abord, puis chaque écran
                             avec ses nombres de paires). Le dessin, c’est chaque
                             ligne ayant un pixel qui s’écarte de plus de 48 sur 255
                             dans un canal de la couleur qu’ont la plupart des pixels
                             du bord de l’image : le papier. Une photo est du dessin
                             jusqu’aux bords. Les lignes sont en pourcentage de la
                             hauteur de l’image depuis le haut. Les écrans :
                             1280x1024, 1366x768, 1920x1080, 1920x1200, 2560x1080,
                             3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             deux paires ont des images qui se ressemblent, et un
                             joueur ne peut pas savoir quelles cartes vont ensemble
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             la plupart des paires ont le même nom de fichier (hors
                             extension) dans &quot;1&quot; et &quot;2&quot;, mais pas celle-ci : souvent
                             un fichier manquant ou mal nommé, qui décale l’ordre
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (la photo apparaît tournée comme l’entendait l’appareil)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             la légende est le titre que porte le fichier image (un
                             texte PNG &quot;Title&quot; ou &quot;Description&quot;, XMP dc:title ou
                             dc:description, EXIF ImageDescription), sinon son nom
                             de fichier
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Code de sortie : 0 quand chaque jeu est jouable aux nombres de paires qu’il propose sans
rien à signaler ; 1 quand il y a des avertissements ; 2 quand un jeu ne peut pas être
joué, quand il n’y a aucun jeu ou pas de tel dossier, quand un jeu ne peut pas être créé,
modifié, exporté ou importé, ou en cas d’erreur d’utilisation.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>%1 (try &apos;zindle-sets --help&apos;)</source>
        <translation>%1 (essayez &apos;zindle-sets --help&apos;)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</source>
        <translation>%1 a pour légende %2, un nom d’appareil photo qui ne dit rien au joueur : donnez-lui-en une autre avec --edit</translation>
    </message>
    <message>
        <source>shows this text</source>
        <translation>affiche ce texte</translation>
    </message>
    <message>
        <source>shows the program&apos;s version</source>
        <translation>affiche la version du programme</translation>
    </message>
    <message>
        <source>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</source>
        <translation>dessine aussi les paires de chaque jeu côte à côte : le numéro de la paire, chaque image dans un cadre de carte exactement comme le plateau la montre, coupée, sur le fond de carte &quot;fondo.jpg&quot; à côté de zindle-sets s’il y en a un, et les deux noms de fichier dessous ; une croix rouge marque une image jamais distribuée. Au plus 120 paires par jeu. zindle-sets n’écrit rien d’autre que ce fichier.</translation>
    </message>
    <message>
        <source>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</source>
        <translation>le plateau que montre la planche : 6, 10, 12, 15, 21, 28 ou 36 paires (par défaut 36)</translation>
    </message>
    <message>
        <source>its screen in logical pixels (default 1920x1080)</source>
        <translation>son écran en pixels logiques (par défaut 1920x1080)</translation>
    </message>
    <message>
        <source>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</source>
        <translation>seul : ouvre la fenêtre de création de jeux. Avec NOM PREMIER1 SECOND1 ... : crée le jeu NOM avec les images données, une paire toutes les deux dans l’ordre, sans fenêtre, et affiche son dossier : &quot;Zindle/NOM&quot; dans le dossier Images (~/.local/share/zindle/graficos/NOM s’il n’y en a pas). Les copies dans ses dossiers &quot;1&quot; et &quot;2&quot; sont nommées 01, 02 ... dans les deux, redressées, d’au plus 2048 pixels de long, et portent la légende de chaque image (son propre titre, sinon son nom de fichier). Les originaux sont seulement lus. Dans un terminal, il montre sa progression. Un jeu qui ne peut pas être créé (un nom qui ne peut pas être celui d’un dossier ou qui ressemble à celui d’un autre jeu, un nombre impair d’images, un fichier manquant, qui n’est pas une image, tronqué ou donné deux fois, un jeu de ce nom déjà présent, un disque plein) est signalé sur la sortie d’erreur, rien n’est écrit et le code de sortie est 2</translation>
    </message>
    <message>
        <source>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</source>
        <translation>avec --new NOM ou --import : remplace le jeu de ce nom une fois le nouveau complet (pour un jeu qui est un lien : le lien seul)</translation>
    </message>
    <message>
        <source>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</source>
        <translation>NOM : ouvre le jeu NOM dans la fenêtre de création de jeux, avec ses paires et ses légendes ; l’enregistrer n’écrit que ce qui a changé</translation>
    </message>
    <message>
        <source>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</source>
        <translation>NOM FICHIER.zip : écrit le jeu NOM dans un fichier zip que tout ordinateur ouvre, contenant NOM/1/... et NOM/2/..., les légendes dans les images</translation>
    </message>
    <message>
        <source>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</source>
        <translation>FICHIER.zip : crée le jeu que contient le fichier zip, après l’avoir vérifié en entier (un jeu, ses dossiers &quot;1&quot; et &quot;2&quot; d’images, rien d’autre, dans les tailles d’un jeu) ; chaque refus nomme l’entrée et dit pourquoi</translation>
    </message>
    <message>
        <source>--new, --edit, --export and --import go one at a time</source>
        <translation>--new, --edit, --export et --import s’emploient un seul à la fois</translation>
    </message>
    <message>
        <source>--sheet, --pairs and --screen go with a check alone</source>
        <translation>--sheet, --pairs et --screen s’emploient seulement avec une vérification</translation>
    </message>
    <message>
        <source>--replace goes with --new NAME or --import</source>
        <translation>--replace s’emploie avec --new NOM ou --import</translation>
    </message>
    <message>
        <source>--export takes a set&apos;s NAME and FILE.zip</source>
        <translation>--export demande le NOM d’un jeu et FICHIER.zip</translation>
    </message>
    <message>
        <source>--import takes one FILE.zip</source>
        <translation>--import demande un seul FICHIER.zip</translation>
    </message>
    <message>
        <source>importing: %1 of %2 pictures</source>
        <translation>importation : %1 images sur %2</translation>
    </message>
    <message>
        <source>saving: %1 of %2 pictures</source>
        <translation>enregistrement : %1 images sur %2</translation>
    </message>
    <message>
        <source>--edit takes a set&apos;s NAME</source>
        <translation>--edit demande le NOM d’un jeu</translation>
    </message>
    <message>
        <source>--new takes a NAME and its pictures, or nothing</source>
        <translation>--new demande un NOM et ses images, ou rien</translation>
    </message>
    <message>
        <source>this maker&apos;s window cannot open a set</source>
        <translation>cette fenêtre de création ne peut pas ouvrir de jeu</translation>
    </message>
    <message>
        <source>one folder at most</source>
        <translation>un dossier au plus</translation>
    </message>
    <message>
        <source>--pairs takes 6, 10, 12, 15, 21, 28 or 36</source>
        <translation>--pairs accepte 6, 10, 12, 15, 21, 28 ou 36</translation>
    </message>
    <message>
        <source>--screen takes a size such as 1920x1080</source>
        <translation>--screen accepte une taille comme 1920x1080</translation>
    </message>
    <message>
        <source>--pairs and --screen choose the board of --sheet</source>
        <translation>--pairs et --screen choisissent le plateau de --sheet</translation>
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
        <translation>Encore une remarque, sur les légendes :
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             à son niveau de ponctuation habituel, un lecteur d’écran
                             dit : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ = en mots, si
                             bien que &quot;horloge : 10:15&quot; s’entend &quot;horloge deux-points
                             10 deux-points 15&quot; ; une virgule le fait seulement
                             marquer une pause
</translation>
    </message>
    <message>
        <source>the set maker&apos;s window needs a display, and there is none</source>
        <translation>la fenêtre du créateur de jeux a besoin d&apos;un écran, et il n&apos;y en a aucun</translation>
    </message>
</context>
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
    <message>
        <source>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</source>
        <translation>Le jeu d&apos;images «%1» n&apos;a pas pu être distribué à temps : ses dossiers contiennent trop de fichiers qui ne sont pas des images, ou répondent trop lentement.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n paire</numerusform>
            <numerusform>%n paires</numerusform>
        </translation>
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
    <message>
        <source>Pairs game: find the pictures that belong together</source>
        <translation>Jeu de paires : trouve les images qui vont ensemble</translation>
    </message>
    <message>
        <source>Play at your own pace: the clock counts the seconds played and never runs out.</source>
        <translation>Joue à ton rythme : le chrono compte les secondes de jeu et ne s’arrête jamais.</translation>
    </message>
    <message>
        <source>Play against the clock.</source>
        <translation>Joue contre la montre.</translation>
    </message>
    <message>
        <source>%1: the preference is not kept: %2: %3
</source>
        <translation>%1 : la préférence n’est pas conservée : %2 : %3
</translation>
    </message>
    <message>
        <source>no display: Qt has no platform called %1</source>
        <translation>pas d’écran : Qt n’a aucune plateforme nommée %1</translation>
    </message>
    <message>
        <source>no display: no Wayland compositor answers at %1</source>
        <translation>pas d’écran : aucun compositeur Wayland ne répond sur %1</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>pas d’écran : DISPLAY n’est pas défini</translation>
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
    <message>
        <source>Dealing the cards… %1 %</source>
        <translation>Distribution des cartes… %1 %</translation>
    </message>
</context>
</TS>
