<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>manifest</name>
    <message>
        <source>Clear the board of coloured boxes, group by group.</source>
        <translation>Maak het speelveld leeg, groep voor groep gekleurde blokken.</translation>
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
        <translation>Ruim groepen gekleurde blokken op, scoor punten en ga een niveau omhoog</translation>
    </message>
    <message>
        <source>Pelmora is a single-player puzzle game in one window. The board holds seven rows of thirteen boxes in four colours.</source>
        <translation>Pelmora is een puzzelspel voor één speler in één venster. Het speelveld heeft zeven rijen van dertien blokken in vier kleuren.</translation>
    </message>
    <message>
        <source>Press a box that has a neighbour of the same colour to select its group and see what it is worth; press the group again to remove it. The bigger the group, the more points it brings. The boxes above fall into the gaps and empty columns close up.</source>
        <translation>Klik op een blok dat een buur van dezelfde kleur heeft om zijn groep te selecteren en te zien wat die waard is; klik nogmaals op de groep om hem te verwijderen. Hoe groter de groep, hoe meer punten hij oplevert. De blokken erboven vallen in de gaten en lege kolommen schuiven dicht.</translation>
    </message>
    <message>
        <source>Reach the level&apos;s threshold and press LEVEL UP to move on to a fresh board. When no moves remain, Reset deals the boxes out again, for a price in points that rises every time.</source>
        <translation>Haal de drempel van het niveau en klik op OMHOOG om verder te gaan met een nieuw speelveld. Als er geen zetten meer mogelijk zijn, verdeelt Schudden de blokken opnieuw, voor een prijs in punten die elke keer stijgt.</translation>
    </message>
    <message>
        <source>puzzle</source>
        <translation>puzzel</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>blokken</translation>
    </message>
    <message>
        <source>colours</source>
        <translation>kleuren</translation>
    </message>
    <message>
        <source>Seventeen green boxes selected, worth 144500</source>
        <translation>Zeventien groene blokken geselecteerd, waarde 144500</translation>
    </message>
    <message>
        <source>colors</source>
        <translation>kleuren</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>groepen</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>tegels</translation>
    </message>
    <message>
        <source>First release, in one window:</source>
        <translation>Eerste uitgave, in één venster:</translation>
    </message>
    <message>
        <source>select a group of boxes and remove it for 500 points times the square of its size;</source>
        <translation>selecteer een groep blokken en haal die weg voor 500 punten maal het kwadraat van de grootte;</translation>
    </message>
    <message>
        <source>ten levels, each with its own threshold, and a Reset that deals the boxes out again;</source>
        <translation>tien niveaus, elk met een eigen drempel, en Schudden, dat de blokken opnieuw verdeelt;</translation>
    </message>
    <message>
        <source>the whole game by mouse or by keys, with a board that a screen reader reads as a table.</source>
        <translation>het hele spel met de muis of met toetsen, met een speelveld dat een schermlezer als tabel voorleest.</translation>
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
        <translation>Puzzelspel</translation>
    </message>
    <message>
        <source>Clear groups of coloured boxes to score points and level up</source>
        <translation>Ruim groepen gekleurde blokken op, scoor punten en ga een niveau omhoog</translation>
    </message>
    <message>
        <source>puzzle;boxes;colours;colors;groups;tiles;</source>
        <translation>puzzel;denkspel;blokken;kleuren;groepen;tegels;</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardCellAccessible</name>
    <message>
        <source>blue box</source>
        <translation>blauw blok</translation>
    </message>
    <message>
        <source>green box</source>
        <translation>groen blok</translation>
    </message>
    <message>
        <source>red box</source>
        <translation>rood blok</translation>
    </message>
    <message>
        <source>yellow box</source>
        <translation>geel blok</translation>
    </message>
    <message>
        <source>blue box, selected</source>
        <translation>blauw blok, geselecteerd</translation>
    </message>
    <message>
        <source>green box, selected</source>
        <translation>groen blok, geselecteerd</translation>
    </message>
    <message>
        <source>red box, selected</source>
        <translation>rood blok, geselecteerd</translation>
    </message>
    <message>
        <source>yellow box, selected</source>
        <translation>geel blok, geselecteerd</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no box in it.</extracomment>
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Speelveld</translation>
    </message>
</context>
<context>
    <name>pelmora::GameWords</name>
    <message>
        <source>You need more points!</source>
        <translation>Je hebt meer punten nodig!</translation>
    </message>
    <message>
        <source>Nope</source>
        <translation>Helaas</translation>
    </message>
    <message>
        <source>NEXT LEVEL: %1</source>
        <extracomment>The label above the board; %1 is the points the next level needs.</extracomment>
        <translation>VOLGEND NIVEAU: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::MainWindow</name>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Selection value</source>
        <translation>Selectiewaarde</translation>
    </message>
    <message>
        <source>Current level</source>
        <translation>Huidig niveau</translation>
    </message>
    <message>
        <source>Reset cost</source>
        <translation>Schudprijs</translation>
    </message>
    <message>
        <source>Red boxes left</source>
        <translation>Rode blokken over</translation>
    </message>
    <message>
        <source>Blue boxes left</source>
        <translation>Blauwe blokken over</translation>
    </message>
    <message>
        <source>Green boxes left</source>
        <translation>Groene blokken over</translation>
    </message>
    <message>
        <source>Yellow boxes left</source>
        <translation>Gele blokken over</translation>
    </message>
    <message>
        <source>Boxes left</source>
        <translation>Blokken over</translation>
    </message>
    <message>
        <source>Selection Value: </source>
        <translation>Selectiewaarde: </translation>
    </message>
    <message>
        <source>Current Level: </source>
        <translation>Huidig niveau: </translation>
    </message>
    <message>
        <source>Reset Cost:</source>
        <translation>Schudprijs:</translation>
    </message>
    <message>
        <source>LEVEL UP</source>
        <translation>OMHOOG</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Schudden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>How to Play / About Pelmora...</source>
        <translation>Spelregels / Over Pelmora...</translation>
    </message>
</context>
<context>
    <name>pelmora::Spoken</name>
    <message>
        <source>%1 boxes selected, worth %2</source>
        <extracomment>Said after a press selected a group: %1 boxes, worth %2 points.</extracomment>
        <translation>%1 blokken geselecteerd, waarde %2</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <extracomment>Said after a press on a box with no neighbour of its colour.</extracomment>
        <translation>niets geselecteerd</translation>
    </message>
    <message>
        <source>removed %1 boxes for %2 points; %3 points</source>
        <extracomment>Said after a removal: %1 boxes removed, %2 points earned, %3 points in all.</extracomment>
        <translation>%1 blokken weg voor %2 punten; %3 punten</translation>
    </message>
    <message>
        <source>reshuffled; %1 points; next Reset costs %2</source>
        <extracomment>Said after Reset: %1 points in all now, %2 the price of the next Reset.</extracomment>
        <translation>geschud; %1 punten; volgende keer schudden kost %2</translation>
    </message>
    <message>
        <source>level %1; next level at %2</source>
        <extracomment>Said after a level-up: %1 the new level, %2 the points the next needs in all.</extracomment>
        <translation>niveau %1; volgend niveau bij %2</translation>
    </message>
    <message>
        <source>level %1; the top level</source>
        <extracomment>Said on reaching the last level %1, and on LEVEL UP there.</extracomment>
        <translation>niveau %1; het hoogste niveau</translation>
    </message>
    <message>
        <source>new game; level %1; %2 points</source>
        <extracomment>Said after a refused LEVEL UP started the game over: %1 the level, %2 the points.</extracomment>
        <translation>nieuw spel; niveau %1; %2 punten</translation>
    </message>
    <message>
        <source>%1 points; level %2; next level at %3</source>
        <extracomment>The status&apos;s first part: %1 points, level %2, %3 points needed for the next.</extracomment>
        <translation>%1 punten; niveau %2; volgend niveau bij %3</translation>
    </message>
    <message>
        <source>%1 points; level %2; the top level</source>
        <extracomment>The status&apos;s first part on the last level: %1 points, level %2.</extracomment>
        <translation>%1 punten; niveau %2; het hoogste niveau</translation>
    </message>
    <message>
        <source>%1 red, %2 blue, %3 green, %4 yellow boxes left</source>
        <extracomment>The status&apos;s count of the boxes of each colour still on the board.</extracomment>
        <translation>over: %1 rode, %2 blauwe, %3 groene, %4 gele blokken</translation>
    </message>
    <message>
        <source>next Reset costs %1</source>
        <extracomment>The status&apos;s last part: the price in points of the next Reset.</extracomment>
        <translation>volgende keer schudden kost %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two of the sentences above said one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 rows, %2 columns</source>
        <extracomment>What the board is, said with its name.</extracomment>
        <translation>%1 rijen, %2 kolommen</translation>
    </message>
</context>
<context>
    <name>pelmora::TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimaliseren</translation>
    </message>
</context>
<context>
    <name>pelmora::about::AboutWindow</name>
    <message>
        <source>About Pelmora</source>
        <translation>Over Pelmora</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versie 1.0</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Vragen?  Technische hulp nodig? </translation>
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
        <translation>Welkom bij: Pelmora<byte value="xd"/>
--------------------------------------<byte value="xd"/>
<byte value="xd"/>
Gebruiksaanwijzing:<byte value="xd"/>
-------------------------------<byte value="xd"/>
Het doel van het spel is te klikken op<byte value="xd"/>
groepen van 2 of meer blokken van<byte value="xd"/>
dezelfde kleur om delen van het<byte value="xd"/>
speelveld leeg te maken.<byte value="xd"/>
<byte value="xd"/>
Je gaat naar het volgende niveau door<byte value="xd"/>
bovenaan het venster op ‘Omhoog’ te<byte value="xd"/>
klikken, als je punten gelijk zijn aan<byte value="xd"/>
of hoger zijn dan wat voor het volgende<byte value="xd"/>
moeilijkheidsniveau nodig is.<byte value="xd"/>
<byte value="xd"/>
Zit je vast, kies dan ‘Schudden’ in het<byte value="xd"/>
menu Bestand: de gekleurde blokken<byte value="xd"/>
worden in een andere volgorde verdeeld,<byte value="xd"/>
zodat er weer meer zetten mogelijk zijn.<byte value="xd"/>
<byte value="xd"/>
Veel succes! ;-)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Pelmora, Version 1.0</source>
        <extracomment>The version line as a screen reader reads it: the program&apos;s name, then the version line&apos;s text.</extracomment>
        <translation>Pelmora, Versie 1.0</translation>
    </message>
</context>
<context>
    <name>pelmora::webexport::PageTexts</name>
    <message>
        <source>Close</source>
        <extracomment>The close box of a window drawn in the page, as a screen reader names it.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>What the page shows once Quit has ended the game; %1 is the game&apos;s name.</extracomment>
        <translation>%1 is afgesloten.</translation>
    </message>
</context>
</TS>
