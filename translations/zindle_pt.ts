<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Announcements</name>
    <message numerus="yes">
        <source>%1, %n pairs</source>
        <translation>
            <numerusform>%1, %n par</numerusform>
            <numerusform>%1, %n pares</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pairs, no clock</source>
        <translation>
            <numerusform>%1, %n par, sem relógio</numerusform>
            <numerusform>%1, %n pares, sem relógio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>falta %n segundo</numerusform>
            <numerusform>faltam %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds played</source>
        <translation>
            <numerusform>%n segundo de jogo</numerusform>
            <numerusform>%n segundos de jogo</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair found, %1 of %2</source>
        <translation>Par encontrado, %1 de %2</translation>
    </message>
    <message>
        <source>Not a pair</source>
        <translation>Não é um par</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Make a picture set</source>
        <translation>Criar um conjunto de imagens</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>&amp;Nome do conjunto:</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Nome do conjunto</translation>
    </message>
    <message>
        <source>as the game&apos;s list shows it</source>
        <translation>como a lista do jogo o mostrará</translation>
    </message>
    <message>
        <source>&amp;Add pictures…</source>
        <translation>&amp;Adicionar imagens…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Escolhe as imagens duas a duas, cada uma seguida do seu par, ou larga-as aqui. Cada carta aparece como o tabuleiro a mostra: as linhas sombreadas são cortadas na carta mais pequena que o conjunto pode ter. Cada legenda é o que um leitor de ecrã diz da sua carta.</translation>
    </message>
    <message>
        <source>How to make a set</source>
        <translation>Como criar um conjunto</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Pares</translation>
    </message>
    <message>
        <source>Pairs in the set</source>
        <translation>Pares do conjunto</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the set</source>
        <translation>Guardar o conjunto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Choose pictures, each followed by its partner</source>
        <translation>Escolhe imagens, cada uma seguida do seu par</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>Fechar sem guardar?</translation>
    </message>
    <message>
        <source>The set has not been saved. Close and leave it unsaved?</source>
        <translation>O conjunto não foi guardado. Fechar sem o guardar?</translation>
    </message>
    <message>
        <source>Replace the set?</source>
        <translation>Substituir o conjunto?</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Replace it with this one?</source>
        <translation>Já existe um conjunto chamado «%1». Substituí-lo por este?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>Nothing was saved:</source>
        <translation>Nada foi guardado:</translation>
    </message>
    <message>
        <source>Saved in %1. The game lists the set as &quot;%2&quot;.</source>
        <translation>Guardado em %1. O jogo lista o conjunto como «%2».</translation>
    </message>
    <message>
        <source>No pairs yet: add pictures, or drop them here.</source>
        <translation>Ainda não há pares: adiciona imagens ou larga-as aqui.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n par</numerusform>
            <numerusform>%n pares</numerusform>
        </translation>
    </message>
    <message>
        <source>and a picture waiting for its partner</source>
        <translation>e uma imagem à espera do seu par</translation>
    </message>
    <message>
        <source>The game deals boards of %1 pairs and more.</source>
        <translation>O jogo distribui tabuleiros de %1 pares ou mais.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Par %1</translation>
    </message>
    <message>
        <source>Add its partner with “Add pictures…”.</source>
        <translation>Adiciona o seu par com «Adicionar imagens…».</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move pair %1 up</source>
        <translation>Subir o par %1</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Move pair %1 down</source>
        <translation>Descer o par %1</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Swap the pictures of pair %1</source>
        <translation>Trocar as imagens do par %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove pair %1</source>
        <translation>Remover o par %1</translation>
    </message>
    <message>
        <source>Picture %1 of pair %2 as the board shows it</source>
        <translation>Imagem %1 do par %2 como o tabuleiro a mostra</translation>
    </message>
    <message>
        <source>File of picture %1 of pair %2</source>
        <translation>Ficheiro da imagem %1 do par %2</translation>
    </message>
    <message>
        <source>Caption of picture %1 of pair %2</source>
        <translation>Legenda da imagem %1 do par %2</translation>
    </message>
    <message>
        <source>What a screen reader says of the card</source>
        <translation>O que um leitor de ecrã diz da carta</translation>
    </message>
    <message>
        <source>Not a picture the game reads: the set cannot be saved with it.</source>
        <translation>Não é uma imagem que o jogo leia: o conjunto não pode ser guardado com ela.</translation>
    </message>
    <message>
        <source>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</source>
        <translation>⚠ O tabuleiro corta o desenho (linhas %1–%2 %): com %3 pares num ecrã de %4×%5 uma carta mostra as linhas %6–%7 %.</translation>
    </message>
    <message>
        <source>Every board shows all of it.</source>
        <translation>Todos os tabuleiros a mostram inteira.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Todos os tabuleiros mostram o desenho; a carta mais pequena mostra as linhas %1–%2 %.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>How the board shows it</source>
        <translation>Como o tabuleiro a mostra</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>no clock, %1 s</source>
        <translation>sem relógio, %1 s</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the game deals boards of %1 pairs and more: this set of %2 offers none yet</source>
        <translation>o jogo distribui tabuleiros de %1 pares ou mais: este conjunto de %2 ainda não oferece nenhum</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>o conjunto não tem nome</translation>
    </message>
    <message>
        <source>the set name %1 cannot be a folder&apos;s name</source>
        <translation>o nome de conjunto %1 não pode ser o nome de uma pasta</translation>
    </message>
    <message>
        <source>the set name %1 cannot hold a &quot;/&quot;</source>
        <translation>o nome de conjunto %1 não pode conter «/»</translation>
    </message>
    <message>
        <source>the set name %1 starts with &quot;.&quot;, which hides the set from the game</source>
        <translation>o nome de conjunto %1 começa por «.», o que esconde o conjunto do jogo</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: o ficheiro não existe</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 não pode ser lido</translation>
    </message>
    <message>
        <source>%1 is not a picture</source>
        <translation>%1 não é uma imagem</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2)</source>
        <translation>%1 não pode ser descodificado (%2)</translation>
    </message>
    <message>
        <source>cannot write the copy of %1 (%2)</source>
        <translation>não é possível escrever a cópia de %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write the caption of %1</source>
        <translation>não é possível escrever a legenda de %1</translation>
    </message>
    <message>
        <source>a set named %1 already exists in %2</source>
        <translation>já existe um conjunto chamado %1 em %2</translation>
    </message>
    <message>
        <source>no pictures: each pair needs two</source>
        <translation>não há imagens: cada par precisa de duas</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures: each pair needs two, so %1 has no partner</source>
        <translation>
            <numerusform>%n imagem: cada par precisa de duas, por isso %1 não tem par</numerusform>
            <numerusform>%n imagens: cada par precisa de duas, por isso %1 não tem par</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>cannot write in the folder %1</source>
        <translation>não é possível escrever na pasta %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1</source>
        <translation>não é possível mover o novo conjunto para %1</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>Nenhuma pasta de imagens foi escolhida.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>A pasta de imagens “%1” não está mais lá.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>Não existe nenhuma pasta de imagens chamada “%1”.</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>A pasta de imagens “%1” não pode ser aberta: ela precisa de duas pastas, “1” e “2”, que possam ser lidas.</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>A pasta de imagens “%1” não tem nenhum par de imagens.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>A pasta de imagens “%1” não tem nenhum par de imagens que possa ser mostrado.</translation>
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
        <translation>sem tela: nem DISPLAY nem WAYLAND_DISPLAY está definida</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>o servidor X da tela %1 não responde</translation>
    </message>
    <message>
        <source>Pairs game: find the pictures that belong together</source>
        <translation>Jogo de pares: encontre as imagens que combinam</translation>
    </message>
    <message>
        <source>Play at your own pace: the clock counts the seconds played and never runs out.</source>
        <translation>Jogue no seu ritmo: o relógio conta os segundos jogados e nunca se esgota.</translation>
    </message>
    <message>
        <source>Play against the clock.</source>
        <translation>Jogue contra o relógio.</translation>
    </message>
    <message>
        <source>no display: Qt has no platform called %1</source>
        <translation>sem tela: o Qt não tem nenhuma plataforma chamada %1</translation>
    </message>
    <message>
        <source>no display: no Wayland compositor answers at %1</source>
        <translation>sem tela: nenhum compositor Wayland responde em %1</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>sem tela: DISPLAY não está definida</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Distribuindo as cartas…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
