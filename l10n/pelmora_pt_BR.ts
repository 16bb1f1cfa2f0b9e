<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>manifest</name>
    <message>
        <source>Clear the board of coloured boxes, group by group.</source>
        <translation>Limpe o tabuleiro de blocos coloridos, grupo por grupo.</translation>
    </message>
</context>
<context>
    <name>metainfo</name>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Clear groups of coloured boxes to score points and level up</source>
        <translation>Elimine grupos de blocos coloridos para marcar pontos e subir de nível</translation>
    </message>
    <message>
        <source>Pelmora is a single-player puzzle game in one window. The board holds seven rows of thirteen boxes in four colours.</source>
        <translation>Pelmora é um jogo de quebra-cabeça para um jogador em uma única janela. O tabuleiro tem sete fileiras de treze blocos em quatro cores.</translation>
    </message>
    <message>
        <source>Press a box that has a neighbour of the same colour to select its group and see what it is worth; press the group again to remove it. The bigger the group, the more points it brings. The boxes above fall into the gaps and empty columns close up.</source>
        <translation>Clique em um bloco que tenha um vizinho da mesma cor para selecionar seu grupo e ver quanto ele vale; clique no grupo de novo para removê-lo. Quanto maior o grupo, mais pontos ele rende. Os blocos de cima caem nos espaços vazios e as colunas vazias se fecham.</translation>
    </message>
    <message>
        <source>Reach the level&apos;s threshold and press LEVEL UP to move on to a fresh board. When no moves remain, Reset deals the boxes out again, for a price in points that rises every time.</source>
        <translation>Alcance a meta do nível e clique em SUBIR para passar a um tabuleiro novo. Quando não houver mais jogadas, Embaralhar distribui os blocos de novo, por um preço em pontos que aumenta a cada vez.</translation>
    </message>
    <message>
        <source>puzzle</source>
        <translation>quebra-cabeça</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>blocos</translation>
    </message>
    <message>
        <source>colours</source>
        <translation>cores</translation>
    </message>
    <message>
        <source>Seventeen green boxes selected, worth 144500</source>
        <translation>Dezessete blocos verdes selecionados, valem 144500</translation>
    </message>
    <message>
        <source>colors</source>
        <translation>cores</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>grupos</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>peças</translation>
    </message>
    <message>
        <source>First release, in one window:</source>
        <translation>Primeira versão, em uma única janela:</translation>
    </message>
    <message>
        <source>select a group of boxes and remove it for 500 points times the square of its size;</source>
        <translation>selecione um grupo de blocos e remova-o por 500 pontos vezes o quadrado do seu tamanho;</translation>
    </message>
    <message>
        <source>ten levels, each with its own threshold, and a Reset that deals the boxes out again;</source>
        <translation>dez níveis, cada um com sua meta, e Embaralhar, que distribui os blocos de novo;</translation>
    </message>
    <message>
        <source>the whole game by mouse or by keys, with a board that a screen reader reads as a table.</source>
        <translation>o jogo todo com o mouse ou com as teclas, com um tabuleiro que um leitor de tela lê como uma tabela.</translation>
    </message>
</context>
<context>
    <name>pelmora.desktop</name>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Puzzle Game</source>
        <translation>Jogo de quebra-cabeça</translation>
    </message>
    <message>
        <source>Clear groups of coloured boxes to score points and level up</source>
        <translation>Elimine grupos de blocos coloridos para marcar pontos e subir de nível</translation>
    </message>
    <message>
        <source>puzzle;boxes;colours;colors;groups;tiles;</source>
        <translation>quebra-cabeça;lógica;blocos;cores;grupos;peças;</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardCellAccessible</name>
    <message>
        <source>blue box</source>
        <translation>bloco azul</translation>
    </message>
    <message>
        <source>green box</source>
        <translation>bloco verde</translation>
    </message>
    <message>
        <source>red box</source>
        <translation>bloco vermelho</translation>
    </message>
    <message>
        <source>yellow box</source>
        <translation>bloco amarelo</translation>
    </message>
    <message>
        <source>blue box, selected</source>
        <translation>bloco azul, selecionado</translation>
    </message>
    <message>
        <source>green box, selected</source>
        <translation>bloco verde, selecionado</translation>
    </message>
    <message>
        <source>red box, selected</source>
        <translation>bloco vermelho, selecionado</translation>
    </message>
    <message>
        <source>yellow box, selected</source>
        <translation>bloco amarelo, selecionado</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no box in it.</extracomment>
        <translation>vazio</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
</context>
<context>
    <name>pelmora::GameWords</name>
    <message>
        <source>You need more points!</source>
        <translation>Você precisa de mais pontos!</translation>
    </message>
    <message>
        <source>Nope</source>
        <translation>Nada feito</translation>
    </message>
    <message>
        <source>NEXT LEVEL: %1</source>
        <extracomment>The label above the board; %1 is the points the next level needs.</extracomment>
        <translation>PRÓXIMO NÍVEL: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::MainWindow</name>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Selection value</source>
        <translation>Valor da seleção</translation>
    </message>
    <message>
        <source>Current level</source>
        <translation>Nível atual</translation>
    </message>
    <message>
        <source>Reset cost</source>
        <translation>Custo de embaralhar</translation>
    </message>
    <message>
        <source>Red boxes left</source>
        <translation>Blocos vermelhos restantes</translation>
    </message>
    <message>
        <source>Blue boxes left</source>
        <translation>Blocos azuis restantes</translation>
    </message>
    <message>
        <source>Green boxes left</source>
        <translation>Blocos verdes restantes</translation>
    </message>
    <message>
        <source>Yellow boxes left</source>
        <translation>Blocos amarelos restantes</translation>
    </message>
    <message>
        <source>Boxes left</source>
        <translation>Blocos restantes</translation>
    </message>
    <message>
        <source>Selection Value: </source>
        <translation>Valor da seleção: </translation>
    </message>
    <message>
        <source>Current Level: </source>
        <translation>Nível atual: </translation>
    </message>
    <message>
        <source>Reset Cost:</source>
        <translation>Embaralhar:</translation>
    </message>
    <message>
        <source>LEVEL UP</source>
        <translation>SUBIR</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Embaralhar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>How to Play / About Pelmora...</source>
        <translation>Como jogar / Sobre o Pelmora...</translation>
    </message>
</context>
<context>
    <name>pelmora::Spoken</name>
    <message>
        <source>%1 boxes selected, worth %2</source>
        <extracomment>Said after a press selected a group: %1 boxes, worth %2 points.</extracomment>
        <translation>%1 blocos selecionados, valem %2</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <extracomment>Said after a press on a box with no neighbour of its colour.</extracomment>
        <translation>nada selecionado</translation>
    </message>
    <message>
        <source>removed %1 boxes for %2 points; %3 points</source>
        <extracomment>Said after a removal: %1 boxes removed, %2 points earned, %3 points in all.</extracomment>
        <translation>%1 blocos removidos por %2 pontos; %3 pontos</translation>
    </message>
    <message>
        <source>reshuffled; %1 points; next Reset costs %2</source>
        <extracomment>Said after Reset: %1 points in all now, %2 the price of the next Reset.</extracomment>
        <translation>embaralhado; %1 pontos; embaralhar de novo custa %2</translation>
    </message>
    <message>
        <source>level %1; next level at %2</source>
        <extracomment>Said after a level-up: %1 the new level, %2 the points the next needs in all.</extracomment>
        <translation>nível %1; próximo nível com %2</translation>
    </message>
    <message>
        <source>level %1; the top level</source>
        <extracomment>Said on reaching the last level %1, and on LEVEL UP there.</extracomment>
        <translation>nível %1; o nível mais alto</translation>
    </message>
    <message>
        <source>new game; level %1; %2 points</source>
        <extracomment>Said after a refused LEVEL UP started the game over: %1 the level, %2 the points.</extracomment>
        <translation>novo jogo; nível %1; %2 pontos</translation>
    </message>
    <message>
        <source>%1 points; level %2; next level at %3</source>
        <extracomment>The status&apos;s first part: %1 points, level %2, %3 points needed for the next.</extracomment>
        <translation>%1 pontos; nível %2; próximo nível com %3</translation>
    </message>
    <message>
        <source>%1 points; level %2; the top level</source>
        <extracomment>The status&apos;s first part on the last level: %1 points, level %2.</extracomment>
        <translation>%1 pontos; nível %2; o nível mais alto</translation>
    </message>
    <message>
        <source>%1 red, %2 blue, %3 green, %4 yellow boxes left</source>
        <extracomment>The status&apos;s count of the boxes of each colour still on the board.</extracomment>
        <translation>restam %1 blocos vermelhos, %2 azuis, %3 verdes, %4 amarelos</translation>
    </message>
    <message>
        <source>next Reset costs %1</source>
        <extracomment>The status&apos;s last part: the price in points of the next Reset.</extracomment>
        <translation>embaralhar de novo custa %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two of the sentences above said one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 rows, %2 columns</source>
        <extracomment>What the board is, said with its name.</extracomment>
        <translation>%1 linhas, %2 colunas</translation>
    </message>
</context>
<context>
    <name>pelmora::TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>pelmora::about::AboutWindow</name>
    <message>
        <source>About Pelmora</source>
        <translation>Sobre o Pelmora</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versão 1.0</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Dúvidas?  Precisa de suporte técnico? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Copyright © 2026 Pelmora Games</source>
        <translation>Copyright © 2026 Pelmora Games</translation>
    </message>
    <message>
        <source>Welcome to: Pelmora<byte value="xd"/>
--------------------------------------<byte value="xd"/>
<byte value="xd"/>
Usage Instructions:<byte value="xd"/>
-------------------------------<byte value="xd"/>
The object of the game is to click on<byte value="xd"/>
sets of the same color in numbers of 2<byte value="xd"/>
or more to clear sections of the game<byte value="xd"/>
screen.<byte value="xd"/>
<byte value="xd"/>
You can advance levels by clicking on<byte value="xd"/>
&quot;Level Up&quot; at the top of the window if<byte value="xd"/>
your points match or exceed those<byte value="xd"/>
pre-determined to qualify for the next<byte value="xd"/>
difficulty level.<byte value="xd"/>
<byte value="xd"/>
If you get stuck you can select &quot;Reset&quot;<byte value="xd"/>
from the file menu which will scatter the<byte value="xd"/>
colored boxes in another order so as to<byte value="xd"/>
make more moves possible.<byte value="xd"/>
<byte value="xd"/>
Good Luck! ;-)<byte value="xd"/>
</source>
        <extracomment>The how-to-play text: every line must fit the text box&apos;s width, which holds about 50 characters; end each line with a line break.</extracomment>
        <translation>Bem-vindo ao: Pelmora<byte value="xd"/>
--------------------------------------<byte value="xd"/>
<byte value="xd"/>
Instruções de uso:<byte value="xd"/>
-------------------------------<byte value="xd"/>
O objetivo do jogo é clicar em grupos<byte value="xd"/>
de 2 ou mais blocos da mesma cor para<byte value="xd"/>
limpar partes da tela do jogo.<byte value="xd"/>
<byte value="xd"/>
Você avança de nível clicando em<byte value="xd"/>
“Subir”, no alto da janela, se seus<byte value="xd"/>
pontos igualarem ou superarem os<byte value="xd"/>
definidos para o próximo nível de<byte value="xd"/>
dificuldade.<byte value="xd"/>
<byte value="xd"/>
Se você ficar sem jogadas, escolha<byte value="xd"/>
“Embaralhar” no menu Arquivo: os blocos<byte value="xd"/>
coloridos são espalhados em outra ordem<byte value="xd"/>
para que mais jogadas sejam possíveis.<byte value="xd"/>
<byte value="xd"/>
Boa sorte! ;-)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Pelmora, Version 1.0</source>
        <extracomment>The version line as a screen reader reads it: the program&apos;s name, then the version line&apos;s text.</extracomment>
        <translation>Pelmora, Versão 1.0</translation>
    </message>
</context>
<context>
    <name>pelmora::webexport::PageTexts</name>
    <message>
        <source>Close</source>
        <extracomment>The close box of a window drawn in the page, as a screen reader names it.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>What the page shows once Quit has ended the game; %1 is the game&apos;s name.</extracomment>
        <translation>%1 foi encerrado.</translation>
    </message>
</context>
</TS>
