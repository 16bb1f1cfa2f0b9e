<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>manifest</name>
    <message>
        <source>Clear the board of coloured boxes, group by group.</source>
        <translation>Videz le plateau de blocs colorés, groupe par groupe.</translation>
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
        <translation>Éliminez des groupes de blocs colorés, marquez des points, montez de niveau</translation>
    </message>
    <message>
        <source>Pelmora is a single-player puzzle game in one window. The board holds seven rows of thirteen boxes in four colours.</source>
        <translation>Pelmora est un jeu de réflexion pour un joueur, dans une seule fenêtre. Le plateau compte sept rangées de treize blocs de quatre couleurs.</translation>
    </message>
    <message>
        <source>Press a box that has a neighbour of the same colour to select its group and see what it is worth; press the group again to remove it. The bigger the group, the more points it brings. The boxes above fall into the gaps and empty columns close up.</source>
        <translation>Cliquez sur un bloc qui a un voisin de la même couleur pour sélectionner son groupe et voir ce qu’il vaut&#xa0;; cliquez de nouveau sur le groupe pour le retirer. Plus le groupe est grand, plus il rapporte de points. Les blocs du dessus tombent dans les vides et les colonnes vides se referment.</translation>
    </message>
    <message>
        <source>Reach the level&apos;s threshold and press LEVEL UP to move on to a fresh board. When no moves remain, Reset deals the boxes out again, for a price in points that rises every time.</source>
        <translation>Atteignez le seuil du niveau et cliquez sur MONTER pour passer à un nouveau plateau. Quand plus aucun coup n’est possible, Mélanger redistribue les blocs, contre un prix en points qui augmente à chaque fois.</translation>
    </message>
    <message>
        <source>puzzle</source>
        <translation>réflexion</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>blocs</translation>
    </message>
    <message>
        <source>colours</source>
        <translation>couleurs</translation>
    </message>
    <message>
        <source>Seventeen green boxes selected, worth 144500</source>
        <translation>Dix-sept blocs verts sélectionnés, valeur 144500</translation>
    </message>
    <message>
        <source>colors</source>
        <translation>couleurs</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>groupes</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>tuiles</translation>
    </message>
    <message>
        <source>First release, in one window:</source>
        <translation>Première version, dans une seule fenêtre :</translation>
    </message>
    <message>
        <source>select a group of boxes and remove it for 500 points times the square of its size;</source>
        <translation>sélectionnez un groupe de blocs et retirez-le pour 500 points fois le carré de sa taille ;</translation>
    </message>
    <message>
        <source>ten levels, each with its own threshold, and a Reset that deals the boxes out again;</source>
        <translation>dix niveaux, chacun avec son seuil, et Mélanger, qui redistribue les blocs ;</translation>
    </message>
    <message>
        <source>the whole game by mouse or by keys, with a board that a screen reader reads as a table.</source>
        <translation>tout le jeu à la souris ou au clavier, avec un plateau qu’un lecteur d’écran lit comme un tableau.</translation>
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
        <translation>Jeu de réflexion</translation>
    </message>
    <message>
        <source>Clear groups of coloured boxes to score points and level up</source>
        <translation>Éliminez des groupes de blocs colorés, marquez des points, montez de niveau</translation>
    </message>
    <message>
        <source>puzzle;boxes;colours;colors;groups;tiles;</source>
        <translation>réflexion;puzzle;casse-tête;blocs;couleurs;groupes;</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardCellAccessible</name>
    <message>
        <source>blue box</source>
        <translation>bloc bleu</translation>
    </message>
    <message>
        <source>green box</source>
        <translation>bloc vert</translation>
    </message>
    <message>
        <source>red box</source>
        <translation>bloc rouge</translation>
    </message>
    <message>
        <source>yellow box</source>
        <translation>bloc jaune</translation>
    </message>
    <message>
        <source>blue box, selected</source>
        <translation>bloc bleu, sélectionné</translation>
    </message>
    <message>
        <source>green box, selected</source>
        <translation>bloc vert, sélectionné</translation>
    </message>
    <message>
        <source>red box, selected</source>
        <translation>bloc rouge, sélectionné</translation>
    </message>
    <message>
        <source>yellow box, selected</source>
        <translation>bloc jaune, sélectionné</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no box in it.</extracomment>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>pelmora::GameWords</name>
    <message>
        <source>You need more points!</source>
        <translation>Il vous faut plus de points&#xa0;!</translation>
    </message>
    <message>
        <source>Nope</source>
        <translation>Raté</translation>
    </message>
    <message>
        <source>NEXT LEVEL: %1</source>
        <extracomment>The label above the board; %1 is the points the next level needs.</extracomment>
        <translation>NIVEAU SUIVANT&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::MainWindow</name>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Selection value</source>
        <translation>Valeur de la sélection</translation>
    </message>
    <message>
        <source>Current level</source>
        <translation>Niveau actuel</translation>
    </message>
    <message>
        <source>Reset cost</source>
        <translation>Coût du mélange</translation>
    </message>
    <message>
        <source>Red boxes left</source>
        <translation>Blocs rouges restants</translation>
    </message>
    <message>
        <source>Blue boxes left</source>
        <translation>Blocs bleus restants</translation>
    </message>
    <message>
        <source>Green boxes left</source>
        <translation>Blocs verts restants</translation>
    </message>
    <message>
        <source>Yellow boxes left</source>
        <translation>Blocs jaunes restants</translation>
    </message>
    <message>
        <source>Boxes left</source>
        <translation>Blocs restants</translation>
    </message>
    <message>
        <source>Selection Value: </source>
        <translation>Valeur sélection&#xa0;: </translation>
    </message>
    <message>
        <source>Current Level: </source>
        <translation>Niveau actuel&#xa0;: </translation>
    </message>
    <message>
        <source>Reset Cost:</source>
        <translation>Mélange&#xa0;:</translation>
    </message>
    <message>
        <source>LEVEL UP</source>
        <translation>MONTER</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How to Play / About Pelmora...</source>
        <translation>Comment jouer / À propos de Pelmora...</translation>
    </message>
</context>
<context>
    <name>pelmora::Spoken</name>
    <message>
        <source>%1 boxes selected, worth %2</source>
        <extracomment>Said after a press selected a group: %1 boxes, worth %2 points.</extracomment>
        <translation>%1 blocs sélectionnés, valeur %2</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <extracomment>Said after a press on a box with no neighbour of its colour.</extracomment>
        <translation>rien de sélectionné</translation>
    </message>
    <message>
        <source>removed %1 boxes for %2 points; %3 points</source>
        <extracomment>Said after a removal: %1 boxes removed, %2 points earned, %3 points in all.</extracomment>
        <translation>%1 blocs retirés pour %2 points&#xa0;; %3 points</translation>
    </message>
    <message>
        <source>reshuffled; %1 points; next Reset costs %2</source>
        <extracomment>Said after Reset: %1 points in all now, %2 the price of the next Reset.</extracomment>
        <translation>mélangé&#xa0;; %1 points&#xa0;; le prochain mélange coûte %2</translation>
    </message>
    <message>
        <source>level %1; next level at %2</source>
        <extracomment>Said after a level-up: %1 the new level, %2 the points the next needs in all.</extracomment>
        <translation>niveau %1&#xa0;; niveau suivant à %2</translation>
    </message>
    <message>
        <source>level %1; the top level</source>
        <extracomment>Said on reaching the last level %1, and on LEVEL UP there.</extracomment>
        <translation>niveau %1&#xa0;; le plus haut niveau</translation>
    </message>
    <message>
        <source>new game; level %1; %2 points</source>
        <extracomment>Said after a refused LEVEL UP started the game over: %1 the level, %2 the points.</extracomment>
        <translation>nouvelle partie&#xa0;; niveau %1&#xa0;; %2 points</translation>
    </message>
    <message>
        <source>%1 points; level %2; next level at %3</source>
        <extracomment>The status&apos;s first part: %1 points, level %2, %3 points needed for the next.</extracomment>
        <translation>%1 points&#xa0;; niveau %2&#xa0;; niveau suivant à %3</translation>
    </message>
    <message>
        <source>%1 points; level %2; the top level</source>
        <extracomment>The status&apos;s first part on the last level: %1 points, level %2.</extracomment>
        <translation>%1 points&#xa0;; niveau %2&#xa0;; le plus haut niveau</translation>
    </message>
    <message>
        <source>%1 red, %2 blue, %3 green, %4 yellow boxes left</source>
        <extracomment>The status&apos;s count of the boxes of each colour still on the board.</extracomment>
        <translation>il reste %1 blocs rouges, %2 bleus, %3 verts, %4 jaunes</translation>
    </message>
    <message>
        <source>next Reset costs %1</source>
        <extracomment>The status&apos;s last part: the price in points of the next Reset.</extracomment>
        <translation>le prochain mélange coûte %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two of the sentences above said one after the other.</extracomment>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>%1 rows, %2 columns</source>
        <extracomment>What the board is, said with its name.</extracomment>
        <translation>%1 rangées, %2 colonnes</translation>
    </message>
</context>
<context>
    <name>pelmora::TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>pelmora::about::AboutWindow</name>
    <message>
        <source>About Pelmora</source>
        <translation>À propos de Pelmora</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Des questions&#xa0;?  Besoin d’assistance&#xa0;? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contact</translation>
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
        <translation>Bienvenue dans&#xa0;: Pelmora<byte value="xd"/>
--------------------------------------<byte value="xd"/>
<byte value="xd"/>
Mode d’emploi&#xa0;:<byte value="xd"/>
-------------------------------<byte value="xd"/>
Le but du jeu est de cliquer sur des<byte value="xd"/>
groupes d’au moins 2 blocs de la même<byte value="xd"/>
couleur pour dégager des parties de<byte value="xd"/>
l’écran de jeu.<byte value="xd"/>
<byte value="xd"/>
Vous passez au niveau suivant en cliquant<byte value="xd"/>
sur «&#xa0;Monter&#xa0;» en haut de la fenêtre si<byte value="xd"/>
vos points atteignent ou dépassent ceux<byte value="xd"/>
fixés pour le niveau de difficulté<byte value="xd"/>
suivant.<byte value="xd"/>
<byte value="xd"/>
Si vous êtes bloqué, choisissez<byte value="xd"/>
«&#xa0;Mélanger&#xa0;» dans le menu Fichier&#xa0;: les<byte value="xd"/>
blocs de couleur sont redistribués dans<byte value="xd"/>
un autre ordre pour rendre possibles de<byte value="xd"/>
nouveaux coups.<byte value="xd"/>
<byte value="xd"/>
Bonne chance&#xa0;! ;-)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Pelmora, Version 1.0</source>
        <extracomment>The version line as a screen reader reads it: the program&apos;s name, then the version line&apos;s text.</extracomment>
        <translation>Pelmora, Version 1.0</translation>
    </message>
</context>
<context>
    <name>pelmora::webexport::PageTexts</name>
    <message>
        <source>Close</source>
        <extracomment>The close box of a window drawn in the page, as a screen reader names it.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>What the page shows once Quit has ended the game; %1 is the game&apos;s name.</extracomment>
        <translation>%1 est terminé.</translation>
    </message>
</context>
</TS>
