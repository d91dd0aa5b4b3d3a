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
    <message numerus="yes">
        <source>%1, %n seconds</source>
        <comment>The board, then its time limit</comment>
        <translation>
            <numerusform>%1, %n segundo</numerusform>
            <numerusform>%1, %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>O tempo acabou</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>O tempo se esgotou</translation>
    </message>
    <message numerus="yes">
        <source>Finished with %n seconds left</source>
        <translation>
            <numerusform>Terminado com %n segundo de sobra</numerusform>
            <numerusform>Terminado com %n segundos de sobra</numerusform>
        </translation>
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
        <source>Pairs</source>
        <translation>Pares</translation>
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
        <source>Every board shows all of it.</source>
        <translation>Todos os tabuleiros a mostram inteira.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Todos os tabuleiros mostram o desenho; a carta mais pequena mostra as linhas %1–%2 %.</translation>
    </message>
    <message>
        <source>O&amp;pen a set…</source>
        <translation>A&amp;brir um conjunto…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Escolha as imagens duas a duas, cada uma seguida do seu par, ou arraste-as para aqui. Cada carta aparece como o tabuleiro a mostra neste ecrã: as linhas sombreadas ficam cortadas na carta mais pequena que o conjunto pode ter. Cada legenda é o que um leitor de ecrã diz da sua carta.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>A parar…</translation>
    </message>
    <message>
        <source>&amp;Undo removal</source>
        <translation>Des&amp;fazer remoção</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>Save the set as one .zip file to share</source>
        <translation>Guardar o conjunto num único ficheiro .zip para partilhar</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Add a set shared as a .zip file</source>
        <translation>Adicionar um conjunto partilhado como ficheiro .zip</translation>
    </message>
    <message numerus="yes">
        <source>Opened the set &quot;%1&quot;: %n pairs.</source>
        <translation>
            <numerusform>Aberto o conjunto «%1»: %n par.</numerusform>
            <numerusform>Aberto o conjunto «%1»: %n pares.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</source>
        <translation>Emparelhadas pela ordem escolhida: %1. Para emparelhar uma imagem com outra, use «Trocar com…» por baixo dela.</translation>
    </message>
    <message>
        <source>Choose picture %1 of pair %2</source>
        <translation>Escolher a imagem %1 do par %2</translation>
    </message>
    <message>
        <source>Choose the partner of pair %1</source>
        <translation>Escolher o par da imagem do par %1</translation>
    </message>
    <message>
        <source>Open a set</source>
        <translation>Abrir um conjunto</translation>
    </message>
    <message>
        <source>Your sets in %1:</source>
        <translation>Os seus conjuntos em %1:</translation>
    </message>
    <message>
        <source>Your sets</source>
        <translation>Os seus conjuntos</translation>
    </message>
    <message>
        <source>No set yet: make one and save it.</source>
        <translation>Ainda não há conjuntos: crie um e guarde-o.</translation>
    </message>
    <message>
        <source>Leave this set unsaved?</source>
        <translation>Deixar este conjunto por guardar?</translation>
    </message>
    <message>
        <source>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</source>
        <translation>Este conjunto não foi guardado. Abrir «%1» e deixá-lo por guardar?</translation>
    </message>
    <message>
        <source>Save the set before exporting it.</source>
        <translation>Guarde o conjunto antes de o exportar.</translation>
    </message>
    <message>
        <source>Export the set as a .zip file</source>
        <translation>Exportar o conjunto como ficheiro .zip</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Ficheiros zip (*.zip)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>A exportar…</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportado para %1.</translation>
    </message>
    <message>
        <source>Nothing was exported:</source>
        <translation>Nada foi exportado:</translation>
    </message>
    <message>
        <source>Import a set from a .zip file</source>
        <translation>Importar um conjunto de um ficheiro .zip</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>A importar…</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Nada foi importado:</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>A guardar…</translation>
    </message>
    <message>
        <source>Pair %1 removed; Ctrl+Z puts it back. %2</source>
        <translation>Par %1 removido; Ctrl+Z repõe-o. %2</translation>
    </message>
    <message>
        <source>picture %1 of pair %2: %3</source>
        <translation>imagem %1 do par %2: %3</translation>
    </message>
    <message>
        <source>A picture waits for its partner.</source>
        <translation>Uma imagem espera pelo seu par.</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Imagem…</translation>
    </message>
    <message>
        <source>Exchange…</source>
        <translation>Trocar com…</translation>
    </message>
    <message>
        <source>Exchange picture %1 of pair %2 with one of another pair</source>
        <translation>Trocar a imagem %1 do par %2 por uma de outro par</translation>
    </message>
    <message>
        <source>A camera&apos;s name: rename it to what the card shows.</source>
        <translation>É um nome de câmara: mude-o para o que a carta mostra.</translation>
    </message>
    <message>
        <source>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</source>
        <translation>⚠ Neste ecrã (%1×%2) um tabuleiro de %3 pares corta o desenho (linhas %4–%5 %): uma carta mostra as linhas %6–%7 %.</translation>
    </message>
    <message>
        <source>Choose its par&amp;tner…</source>
        <translation>Escolher o &amp;par…</translation>
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
    <name>ResultsWindow</name>
    <message>
        <source>Back to the game over</source>
        <translation>Voltar ao fim do jogo</translation>
    </message>
    <message>
        <source>Back to the board</source>
        <translation>Voltar ao tabuleiro</translation>
    </message>
    <message>
        <source>Play a new board</source>
        <translation>Jogar um tabuleiro novo</translation>
    </message>
    <message>
        <source>F9 shows the results of the run.</source>
        <translation>F9 mostra os resultados da sessão.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 não pode ser lido</translation>
    </message>
    <message>
        <source>%1 is not a zip file that can be read: %2</source>
        <translation>%1 não é um ficheiro zip legível: %2</translation>
    </message>
    <message>
        <source>%1: cannot be inflated: %2</source>
        <translation>%1: não pode ser descomprimido: %2</translation>
    </message>
    <message>
        <source>%1: inflates to more than %2 MB, more than a picture</source>
        <translation>%1: descomprime-se em mais de %2 MB, mais do que uma imagem</translation>
    </message>
    <message>
        <source>%1: the pictures inflate to more than %2 MB together</source>
        <translation>%1: as imagens descomprimem-se em mais de %2 MB no total</translation>
    </message>
    <message>
        <source>%1: inflates more than %2 times, as no picture does</source>
        <translation>%1: descomprime-se mais de %2 vezes, como nenhuma imagem faz</translation>
    </message>
    <message>
        <source>%1: an absolute path, outside any set</source>
        <translation>%1: um caminho absoluto, fora de qualquer conjunto</translation>
    </message>
    <message>
        <source>%1: a path that leaves the set</source>
        <translation>%1: um caminho que sai do conjunto</translation>
    </message>
    <message>
        <source>%1: a link, which no set holds</source>
        <translation>%1: uma ligação, que nenhum conjunto contém</translation>
    </message>
    <message>
        <source>%1: a device or pipe, not a picture</source>
        <translation>%1: um dispositivo ou pipe, não uma imagem</translation>
    </message>
    <message>
        <source>%1: a second set beside %2; an archive holds one</source>
        <translation>%1: um segundo conjunto ao lado de %2; um arquivo contém um só</translation>
    </message>
    <message>
        <source>%1: a file outside the set&apos;s folder</source>
        <translation>%1: um ficheiro fora da pasta do conjunto</translation>
    </message>
    <message>
        <source>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</source>
        <translation>%1: num conjunto só cabem as pastas &quot;1&quot; e &quot;2&quot;</translation>
    </message>
    <message>
        <source>%1: a file where the folder %2 belongs</source>
        <translation>%1: um ficheiro onde deve estar a pasta %2</translation>
    </message>
    <message>
        <source>%1: a folder inside %2, where only pictures belong</source>
        <translation>%1: uma pasta dentro de %2, onde só cabem imagens</translation>
    </message>
    <message>
        <source>%1: %2 MB, more than a picture</source>
        <translation>%1: %2 MB, mais do que uma imagem</translation>
    </message>
    <message>
        <source>%1: needs %2 MB to decode, more than the game allows</source>
        <translation>%1: precisa de %2 MB para descodificar, mais do que o jogo permite</translation>
    </message>
    <message>
        <source>%1: not a picture the game reads</source>
        <translation>%1: não é uma imagem que o jogo leia</translation>
    </message>
    <message>
        <source>%1: a picture cut short</source>
        <translation>%1: uma imagem cortada</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries, more than a set</source>
        <translation>%1 contém mais de %2 entradas, mais do que um conjunto</translation>
    </message>
    <message>
        <source>%1: twice in the archive</source>
        <translation>%1: duas vezes no arquivo</translation>
    </message>
    <message>
        <source>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</source>
        <translation>%1 não contém nenhum conjunto: uma pasta com imagens nas suas pastas &quot;1&quot; e &quot;2&quot;</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>não é possível escrever em %1: %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read</source>
        <translation>%1 mudou enquanto era lido</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível escrever %1: %2</translation>
    </message>
    <message>
        <source>%1 is no set that can be read: its folder %2 is missing</source>
        <translation>%1 não é um conjunto legível: falta a sua pasta %2</translation>
    </message>
    <message>
        <source>%1 cannot be read, or is too big to share</source>
        <translation>%1 não pode ser lido, ou é grande demais para partilhar</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>par %1: %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
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
        <source>cannot move the new set into %1: %2</source>
        <translation>não é possível mover o novo conjunto para %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a set: nothing was replaced</source>
        <translation>%1 é um ficheiro, não um conjunto: nada foi substituído</translation>
    </message>
    <message>
        <source>cannot keep %1 of the set replaced: %2</source>
        <translation>não é possível manter %1 do conjunto substituído: %2</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>o disco está cheio (%1)</translation>
    </message>
    <message>
        <source>the set has no name: a name needs a letter, digit or sign</source>
        <translation>o conjunto não tem nome: um nome precisa de uma letra, algarismo ou sinal</translation>
    </message>
    <message>
        <source>the set name %1 holds a control character</source>
        <translation>o nome de conjunto %1 contém um carácter de controlo</translation>
    </message>
    <message>
        <source>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</source>
        <translation>o nome de conjunto é longo demais: %1 bytes, quando o nome de uma pasta leva 255</translation>
    </message>
    <message>
        <source>the set name %1 holds %2, which the disk of %3 does not allow in a name</source>
        <translation>o nome de conjunto %1 contém %2, que o disco de %3 não permite num nome</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>%1 é uma pasta, não uma imagem</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or pipe</source>
        <translation>%1 não é um ficheiro, mas um dispositivo ou pipe</translation>
    </message>
    <message>
        <source>%1 is too big for a picture: %2 MB</source>
        <translation>%1 é grande demais para uma imagem: %2 MB</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, twice in pair %3</source>
        <translation>%1 e %2 são a mesma imagem, duas vezes no par %3</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, in pairs %3 and %4</source>
        <translation>%1 e %2 são a mesma imagem, nos pares %3 e %4</translation>
    </message>
    <message>
        <source>cannot write the copy of %1: %2</source>
        <translation>não é possível escrever a cópia de %1: %2</translation>
    </message>
    <message>
        <source>%1 needs %2 MB to decode, more than the %3 MB the game allows</source>
        <translation>%1 precisa de %2 MB para descodificar, mais do que os %3 MB que o jogo permite</translation>
    </message>
    <message>
        <source>%1 is cut short: its end is missing</source>
        <translation>%1 está cortado: falta-lhe o fim</translation>
    </message>
    <message>
        <source>cannot encode the copy of %1 (%2)</source>
        <translation>não é possível codificar a cópia de %1 (%2)</translation>
    </message>
    <message>
        <source>the set name %1 looks like that of the set %2 in the game&apos;s list</source>
        <translation>o nome de conjunto %1 parece-se com o do conjunto %2 na lista do jogo</translation>
    </message>
    <message>
        <source>a set named %1 already lies in %2, which the game plays instead: choose another name</source>
        <translation>um conjunto chamado %1 já está em %2, e o jogo usa esse: escolha outro nome</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs: a set holds %1 at most</source>
        <translation>
            <numerusform>%n par: um conjunto tem no máximo %1</numerusform>
            <numerusform>%n pares: um conjunto tem no máximo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>não é possível escrever na pasta %1: %2</translation>
    </message>
    <message>
        <source>the set name is too long for the disk of %1</source>
        <translation>o nome de conjunto é longo demais para o disco de %1</translation>
    </message>
    <message>
        <source>the disk of %1 does not allow the set name %2: %3</source>
        <translation>o disco de %1 não permite o nome de conjunto %2: %3</translation>
    </message>
    <message>
        <source>saving was cancelled: nothing was written</source>
        <translation>a gravação foi cancelada: nada foi escrito</translation>
    </message>
    <message>
        <source>there is no set %1 that can be read in %2</source>
        <translation>não há nenhum conjunto %1 legível em %2</translation>
    </message>
    <message>
        <source>%1 has no partner and is left out</source>
        <translation>%1 não tem par e fica de fora</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n par</numerusform>
            <numerusform>%n pares</numerusform>
        </translation>
    </message>
    <message>
        <source>no board yet</source>
        <translation>ainda sem tabuleiro</translation>
    </message>
    <message>
        <source>boards of %1</source>
        <translation>tabuleiros de %1</translation>
    </message>
    <message>
        <source>boards of %1 and %2</source>
        <translation>tabuleiros de %1 e %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 give boards of %4</source>
        <translation>%1: %2; %3 dão tabuleiros de %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more pairs</source>
        <translation>
            <numerusform>mais %n par</numerusform>
            <numerusform>mais %n pares</numerusform>
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
        <translation>Uso: zindle-sets [PASTA] [--sheet FICHEIRO.png [--pairs N] [--screen LxA]]
     zindle-sets --new [NOME PRIMEIRA1 SEGUNDA1 PRIMEIRA2 SEGUNDA2 ... [--replace]]
     zindle-sets --edit NOME
     zindle-sets --export NOME FICHEIRO.zip
     zindle-sets --import FICHEIRO.zip [--replace]

Verifica os conjuntos de imagens do Zindle tal como o tabuleiro do jogo os distribui e
mostra: a mesma listagem, a mesma descodificação das imagens (em paralelo, como o
tabuleiro) e a mesma disposição das cartas. Sem PASTA verifica todos os conjuntos que a
janela de preparação lista, de todos os sítios de onde o jogo lê conjuntos, cada um sob
a pasta onde está (quando um nome está em dois sítios, o jogo usa o primeiro: veja a
página do manual). PASTA pode ser uma pasta de conjuntos, ou um conjunto: uma pasta que
contém as pastas &quot;1&quot; e &quot;2&quot;.

Um conjunto são duas pastas. O ficheiro p de &quot;1&quot; e o ficheiro p de &quot;2&quot;, ambos contados
por ordem de nome sem distinguir maiúsculas, formam o par p; os ficheiros ocultos (com
&quot;.&quot; à frente) não contam. O número de ficheiros em &quot;1&quot; decide que números de pares (6 10
12 15 21 28 36) a janela de preparação oferece.
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
        <translation>Cada linha do relatório é uma constatação, em inglês. A primeira palavra diz o que é; o
nome do conjunto segue entre aspas duplas (uma aspa, barra invertida ou carácter de
controlo num nome ou nome de ficheiro escreve-se \&quot;, \\ ou \uXXXX). Os pares são
numerados a partir de 1, por ordem de nome.
  set &quot;S&quot; &quot;FOLDER&quot;           onde está o conjunto
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        os números de pares que a janela de preparação oferece,
                             ou &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        os dois ficheiros do par P (&quot;-&quot; quando &quot;2&quot; não tem)
  error &quot;S&quot;: ...             o conjunto não pode ser jogado: uma pasta &quot;1&quot; ou &quot;2&quot; que
                             falta ou não se lê, ou nenhum par que se possa distribuir
  warning &quot;S&quot; pair P: never dealt: ...
                             o tabuleiro deixa o par fora de todos os jogos: &quot;2&quot; não
                             tem ficheiro para ele, ou um dos seus ficheiros não é um
                             ficheiro normal, não pode ser lido, não é uma imagem que
                             o jogo leia, é grande demais para descodificar ou não
                             pode ser descodificado (segue-se o motivo)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             o tabuleiro mostra uma imagem tão larga como a sua carta
                             e corta-lhe o cimo e o fundo quando a carta é mais baixa
                             do que a imagem; o desenho da imagem não cabe inteiro
                             nas linhas mostradas com alguns números de pares e ecrãs
                             oferecidos (nomeia-se primeiro o que mostra menos,
                             depois cada ecrã com os seus números de pares). O
                             desenho é cada linha com um píxel que difere em mais de
                             48 de 255 num canal da cor que tem a maioria dos píxeis
                             da orla da imagem: o papel. Uma fotografia é desenho até
                             às orlas. As linhas são percentagens da altura da imagem
                             a partir do cimo. Os ecrãs: 1280x1024, 1366x768,
                             1920x1080, 1920x1200, 2560x1080, 3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             dois pares têm imagens que parecem iguais, e um jogador
                             não consegue saber que duas cartas andam juntas
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             a maioria dos pares tem o mesmo nome de ficheiro (sem a
                             extensão) em &quot;1&quot; e &quot;2&quot;, mas este não: muitas vezes um
                             ficheiro em falta ou mal nomeado, que desalinha a ordem
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (a fotografia aparece rodada como a câmara a quis)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             a legenda é o título que o ficheiro de imagem traz (um
                             texto PNG &quot;Title&quot; ou &quot;Description&quot;, XMP dc:title ou
                             dc:description, EXIF ImageDescription), senão o seu
                             nome de ficheiro
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Estado de saída: 0 quando todos os conjuntos podem ser jogados com os números de pares
que oferecem sem nada a avisar; 1 quando há avisos; 2 quando um conjunto não pode ser
jogado, quando não há nenhum conjunto ou tal pasta, quando um conjunto não pode ser
criado, editado, exportado ou importado, ou com um erro de utilização.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>%1 (try &apos;zindle-sets --help&apos;)</source>
        <translation>%1 (experimente &apos;zindle-sets --help&apos;)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>não é possível escrever na saída padrão: %1</translation>
    </message>
    <message>
        <source>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</source>
        <translation>%1 tem a legenda %2, um nome de câmara que nada diz a um jogador: dê-lhe outra com --edit</translation>
    </message>
    <message>
        <source>shows this text</source>
        <translation>mostra este texto</translation>
    </message>
    <message>
        <source>shows the program&apos;s version</source>
        <translation>mostra a versão do programa</translation>
    </message>
    <message>
        <source>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</source>
        <translation>desenha também os pares de cada conjunto lado a lado: o número do par, cada imagem numa moldura de carta exatamente como o tabuleiro a mostra, cortada, sobre o fundo de carta &quot;fondo.jpg&quot; ao lado do zindle-sets quando existe, e os dois nomes de ficheiro por baixo; uma cruz vermelha marca uma imagem que nunca é distribuída. No máximo 120 pares por conjunto. O zindle-sets não escreve nada além deste ficheiro.</translation>
    </message>
    <message>
        <source>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</source>
        <translation>o tabuleiro que a folha mostra: 6, 10, 12, 15, 21, 28 ou 36 pares (predefinição 36)</translation>
    </message>
    <message>
        <source>its screen in logical pixels (default 1920x1080)</source>
        <translation>o seu ecrã em píxeis lógicos (predefinição 1920x1080)</translation>
    </message>
    <message>
        <source>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</source>
        <translation>sozinho: abre a janela para criar conjuntos. Com NOME PRIMEIRA1 SEGUNDA1 ...: cria o conjunto NOME com as imagens dadas, um par a cada duas por ordem, sem janela, e escreve a sua pasta: &quot;Zindle/NOME&quot; na pasta Imagens (~/.local/share/zindle/graficos/NOME sem ela). As cópias nas suas pastas &quot;1&quot; e &quot;2&quot; chamam-se 01, 02 ... em ambas, endireitadas, com no máximo 2048 píxeis de comprimento, e levam a legenda de cada imagem (o seu próprio título, senão o seu nome de ficheiro). Os originais só são lidos. Num terminal mostra o seu progresso. Um conjunto que não pode ser criado (um nome que não pode ser de uma pasta ou que se parece com o de outro conjunto, um número ímpar de imagens, um ficheiro em falta, que não é uma imagem, cortado ou dado duas vezes, um conjunto com esse nome que já existe, um disco cheio) é indicado na saída de erros, nada é escrito e o estado de saída é 2</translation>
    </message>
    <message>
        <source>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</source>
        <translation>com --new NOME ou --import: substitui o conjunto com esse nome quando o novo estiver completo (um conjunto que é uma ligação: só a ligação)</translation>
    </message>
    <message>
        <source>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</source>
        <translation>NOME: abre o conjunto NOME na janela para criar conjuntos, com os seus pares e legendas; guardá-lo escreve só o que mudou</translation>
    </message>
    <message>
        <source>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</source>
        <translation>NOME FICHEIRO.zip: escreve o conjunto NOME num ficheiro zip que qualquer computador abre, com NOME/1/... e NOME/2/..., as legendas dentro das imagens</translation>
    </message>
    <message>
        <source>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</source>
        <translation>FICHEIRO.zip: cria o conjunto que o ficheiro zip contém, depois de o verificar todo (um conjunto, as suas pastas &quot;1&quot; e &quot;2&quot; de imagens, mais nada, dentro dos tamanhos de um conjunto); cada recusa nomeia a entrada e diz porquê</translation>
    </message>
    <message>
        <source>--new, --edit, --export and --import go one at a time</source>
        <translation>--new, --edit, --export e --import usam-se um de cada vez</translation>
    </message>
    <message>
        <source>--sheet, --pairs and --screen go with a check alone</source>
        <translation>--sheet, --pairs e --screen usam-se só com uma verificação</translation>
    </message>
    <message>
        <source>--replace goes with --new NAME or --import</source>
        <translation>--replace usa-se com --new NOME ou --import</translation>
    </message>
    <message>
        <source>--export takes a set&apos;s NAME and FILE.zip</source>
        <translation>--export leva o NOME de um conjunto e FICHEIRO.zip</translation>
    </message>
    <message>
        <source>--import takes one FILE.zip</source>
        <translation>--import leva um só FICHEIRO.zip</translation>
    </message>
    <message>
        <source>importing: %1 of %2 pictures</source>
        <translation>a importar: %1 de %2 imagens</translation>
    </message>
    <message>
        <source>saving: %1 of %2 pictures</source>
        <translation>a guardar: %1 de %2 imagens</translation>
    </message>
    <message>
        <source>--edit takes a set&apos;s NAME</source>
        <translation>--edit leva o NOME de um conjunto</translation>
    </message>
    <message>
        <source>--new takes a NAME and its pictures, or nothing</source>
        <translation>--new leva um NOME e as suas imagens, ou nada</translation>
    </message>
    <message>
        <source>this maker&apos;s window cannot open a set</source>
        <translation>esta janela para criar conjuntos não consegue abrir um conjunto</translation>
    </message>
    <message>
        <source>one folder at most</source>
        <translation>uma pasta no máximo</translation>
    </message>
    <message>
        <source>--pairs takes 6, 10, 12, 15, 21, 28 or 36</source>
        <translation>--pairs aceita 6, 10, 12, 15, 21, 28 ou 36</translation>
    </message>
    <message>
        <source>--screen takes a size such as 1920x1080</source>
        <translation>--screen aceita um tamanho como 1920x1080</translation>
    </message>
    <message>
        <source>--pairs and --screen choose the board of --sheet</source>
        <translation>--pairs e --screen escolhem o tabuleiro de --sheet</translation>
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
        <translation>Mais uma nota, sobre as legendas:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             no seu nível de pontuação habitual, um leitor de ecrã
                             diz : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ = como palavras,
                             por isso &quot;relógio: 10:15&quot; ouve-se &quot;relógio dois pontos
                             10 dois pontos 15&quot;; uma vírgula só o faz pausar
</translation>
    </message>
    <message>
        <source>the set maker&apos;s window needs a display, and there is none</source>
        <translation>a janela do criador de conjuntos precisa de um ecrã, e não há nenhum</translation>
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
    <message>
        <source>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</source>
        <translation>O conjunto de imagens «%1» não pôde ser distribuído a tempo: suas pastas têm arquivos demais que não são imagens, ou respondem devagar demais.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n par</numerusform>
            <numerusform>%n pares</numerusform>
        </translation>
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
        <source>%1: the preference is not kept: %2: %3
</source>
        <translation>%1: a preferência não é guardada: %2: %3
</translation>
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
    <message>
        <source>Dealing the cards… %1 %</source>
        <translation>Distribuindo as cartas… %1 %</translation>
    </message>
</context>
</TS>
