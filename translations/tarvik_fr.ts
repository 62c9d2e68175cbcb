<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>BoardSpeech</name>
    <message>
        <source>to visit</source>
        <translation>à visiter</translation>
    </message>
    <message>
        <source>visited</source>
        <translation>visitée</translation>
    </message>
    <message>
        <source>tree</source>
        <translation>arbre</translation>
    </message>
    <message>
        <source>pond</source>
        <translation>mare</translation>
    </message>
    <message>
        <source>pond, not now</source>
        <translation>mare, pas maintenant</translation>
    </message>
    <message>
        <source>duck</source>
        <translation>canard</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>bord</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation>colonnes %1 à %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>lignes %1 à %2</translation>
    </message>
    <message>
        <source>%1, %2, size %3 by %4</source>
        <translation>%1, %2, taille %3 sur %4</translation>
    </message>
    <message>
        <source>You, on a pond.</source>
        <translation>Vous êtes sur une mare.</translation>
    </message>
    <message>
        <source>You.</source>
        <translation>Vous êtes ici.</translation>
    </message>
    <message>
        <source>%1 to visit.</source>
        <translation>%1 à visiter.</translation>
    </message>
    <message>
        <source>Move %1 of %2 next.</source>
        <translation>Prochain coup&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>A duck moved next to you: %1.</source>
        <translation>Un canard est venu à côté de vous&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Duck next to you: %1.</source>
        <translation>Canard à côté de vous&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Ducks moved next to you: %1.</source>
        <translation>Des canards sont venus à côté de vous&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Ducks next to you: %1.</source>
        <translation>Canards à côté de vous&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Ducks moved.</source>
        <translation>Les canards ont bougé.</translation>
    </message>
    <message>
        <source>No duck moved.</source>
        <translation>Aucun canard n’a bougé.</translation>
    </message>
</context>
<context>
    <name>GamePlatform</name>
    <message>
        <source>Failed to load sound file.</source>
        <translation>Impossible de charger un fichier son.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos de Tarvik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation>pour Linux</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Tarvik developers</source>
        <translation>Copyright (C) 2026 Les développeurs de Tarvik</translation>
    </message>
</context>
<context>
    <name>TOptionDialog</name>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Demander confirmation</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Reserve Window Position</source>
        <translation>Garder la &amp;position de la fenêtre</translation>
    </message>
    <message>
        <source>Reserve S&amp;tatus</source>
        <translation>Garder les s&amp;tatistiques</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Ennemis</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstacles</translation>
    </message>
    <message>
        <source>Trap</source>
        <translation>Pièges</translation>
    </message>
</context>
<context>
    <name>TPatternDialog</name>
    <message>
        <source>Pattern number</source>
        <translation>Numéro de grille</translation>
    </message>
    <message>
        <source>This pattern&apos;s number:</source>
        <translation>Numéro de cette grille&#xa0;:</translation>
    </message>
    <message>
        <source>None yet: start a pattern first.</source>
        <translation>Aucun pour l’instant&#xa0;: lancez d’abord une grille.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Play a pattern by its number:</source>
        <translation>Jouer une grille d’après son numéro&#xa0;:</translation>
    </message>
    <message>
        <source>for example 32-3-2-3-48213907</source>
        <translation>par exemple 32-3-2-3-48213907</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>This number asks for options the game does not have: cells go from %1 to %2, trees from %3 to %4, ponds from %5 to %6 and ducks from %7 to %8.</source>
        <translation>Ce numéro demande des options que le jeu n’a pas&#xa0;: les cases vont de %1 à %2, les arbres de %3 à %4, les mares de %5 à %6 et les canards de %7 à %8.</translation>
    </message>
    <message>
        <source>This number is too long: cells, trees, ponds and ducks have at most two digits each, the seed at most eight.</source>
        <translation>Ce numéro est trop long&#xa0;: cases, arbres, mares et canards ont au plus deux chiffres chacun, la graine au plus huit.</translation>
    </message>
    <message>
        <source>A pattern number is five numbers joined by dashes: cells, trees, ponds, ducks and seed, for example 32-3-2-3-48213907.</source>
        <translation>Un numéro de grille se compose de cinq nombres reliés par des tirets&#xa0;: cases, arbres, mares, canards et graine, par exemple 32-3-2-3-48213907.</translation>
    </message>
    <message>
        <source>Par is the fewest moves that surely clear the pattern from its start, whatever order the ducks step in.</source>
        <translation>Le par est le plus petit nombre de coups qui permet de réussir la grille à coup sûr depuis son départ, quel que soit l’ordre dans lequel les canards avancent.</translation>
    </message>
    <message>
        <source>No par: no sure way clears this pattern from its start.</source>
        <translation>Pas de par&#xa0;: il n’y a aucune façon sûre de réussir cette grille depuis son départ.</translation>
    </message>
    <message>
        <source>Par not known yet.</source>
        <translation>Le par n’est pas encore connu.</translation>
    </message>
    <message>
        <source>Par %1</source>
        <translation>Par %1</translation>
    </message>
    <message>
        <source>Par at most %1</source>
        <translation>Par %1 au plus</translation>
    </message>
</context>
<context>
    <name>TStatusDialog</name>
    <message>
        <source>Status</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Grilles lancées</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reprises</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Réussies</translation>
    </message>
    <message>
        <source>Gameover</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Hat Trick</source>
        <translation>Coups du chapeau</translation>
    </message>
    <message>
        <source>Succeeding</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Max Succeeding</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source> (%1%)</source>
        <translation> (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TSys</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Nouvelle grille</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>S&amp;tatus</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Tarvik</translation>
    </message>
    <message>
        <source>Waiting to be started.</source>
        <translation>En attente du départ.</translation>
    </message>
    <message>
        <source>S t a r t e d .</source>
        <translation>C ’ e s t  p a r t i !</translation>
    </message>
    <message>
        <source>R e t r y i n g .</source>
        <translation>N o u v e l  e s s a i .</translation>
    </message>
    <message>
        <source>C l e a r e d !</source>
        <translation>R é u s s i !</translation>
    </message>
    <message>
        <source>H a t  T r i c k !!!</source>
        <translation>C o u p  d u  c h a p e a u !!!</translation>
    </message>
    <message>
        <source>G a m e o v e r .</source>
        <translation>P e r d u .</translation>
    </message>
    <message>
        <source>Starting new pattern.</source>
        <translation>Une nouvelle grille va commencer.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Retrying currnt pattern.</source>
        <translation>La grille en cours va recommencer.</translation>
    </message>
    <message>
        <source>Quiting the application.</source>
        <translation>Le jeu va se fermer.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Starting new pattern with modified settings.</source>
        <translation>Une nouvelle grille va commencer avec les options modifiées.</translation>
    </message>
    <message>
        <source>Opening HTML help.</source>
        <translation>L’aide HTML va s’ouvrir.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Failed to open help file.</source>
        <translation>Impossible d’ouvrir le fichier d’aide.</translation>
    </message>
    <message>
        <source>Open following file by yourself.</source>
        <translation>Ouvrez vous-même le fichier suivant.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Failed to load settings.</source>
        <translation>Impossible de charger les réglages.</translation>
    </message>
    <message>
        <source>Failed to save settings.</source>
        <translation>Impossible d’enregistrer les réglages.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Fair patterns only</source>
        <translation>&amp;Grilles équitables seulement</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>There is no sure way to clear the pattern from here: whatever you do, the ducks may catch you, depending on the order they step in.</source>
        <translation>Il n’y a plus de façon sûre de réussir la grille à partir d’ici&#xa0;: quoi que vous fassiez, les canards peuvent vous attraper, selon l’ordre dans lequel ils avancent.</translation>
    </message>
    <message>
        <source>No sure way to clear the pattern from here was found in time. There may still be one.</source>
        <translation>Aucune façon sûre de réussir la grille à partir d’ici n’a été trouvée à temps. Il en existe peut-être une.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Ré&amp;tablir</translation>
    </message>
    <message>
        <source>&amp;Pattern number…</source>
        <translation>N&amp;uméro de grille…</translation>
    </message>
</context>
</TS>
