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
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Choisissez les images deux par deux, chacune suivie de sa partenaire, ou déposez-les ici. Chaque carte apparaît comme le plateau la montre : les lignes ombrées sont coupées sur la plus petite carte que le jeu peut avoir. Chaque légende est ce qu’un lecteur d’écran dit de sa carte.</translation>
    </message>
    <message>
        <source>How to make a set</source>
        <translation>Comment créer un jeu</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paires</translation>
    </message>
    <message>
        <source>Pairs in the set</source>
        <translation>Paires du jeu</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
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
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n paire</numerusform>
            <numerusform>%n paires</numerusform>
        </translation>
    </message>
    <message>
        <source>and a picture waiting for its partner</source>
        <translation>et une image qui attend sa partenaire</translation>
    </message>
    <message>
        <source>The game deals boards of %1 pairs and more.</source>
        <translation>Le jeu distribue des plateaux de %1 paires et plus.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Paire %1</translation>
    </message>
    <message>
        <source>Add its partner with “Add pictures…”.</source>
        <translation>Ajoutez sa partenaire avec « Ajouter des images… ».</translation>
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
        <source>File of picture %1 of pair %2</source>
        <translation>Fichier de l’image %1 de la paire %2</translation>
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
        <source>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</source>
        <translation>⚠ Le plateau coupe son dessin (lignes %1–%2 %) : avec %3 paires sur un écran de %4×%5, une carte montre les lignes %6–%7 %.</translation>
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
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>How the board shows it</source>
        <translation>Comment le plateau la montre</translation>
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
    <name>SetMaker</name>
    <message>
        <source>the game deals boards of %1 pairs and more: this set of %2 offers none yet</source>
        <translation>le jeu distribue des plateaux de %1 paires et plus : ce jeu de %2 n’en offre encore aucun</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>le jeu n’a pas de nom</translation>
    </message>
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
        <source>cannot write the copy of %1 (%2)</source>
        <translation>impossible d’écrire la copie de %1 (%2)</translation>
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
        <source>cannot write in the folder %1</source>
        <translation>impossible d’écrire dans le dossier %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1</source>
        <translation>impossible de placer le nouveau jeu dans %1</translation>
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
</context>
</TS>
