<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>BoardSpeech</name>
    <message>
        <source>to visit</source>
        <translation>zu besuchen</translation>
    </message>
    <message>
        <source>visited</source>
        <translation>besucht</translation>
    </message>
    <message>
        <source>tree</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>pond</source>
        <translation>Teich</translation>
    </message>
    <message>
        <source>pond, not now</source>
        <translation>Teich, jetzt nicht</translation>
    </message>
    <message>
        <source>duck</source>
        <translation>Ente</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation>Spalten %1 bis %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>Zeilen %1 bis %2</translation>
    </message>
    <message>
        <source>%1, %2, size %3 by %4</source>
        <translation>%1, %2, Größe %3 mal %4</translation>
    </message>
    <message>
        <source>You, on a pond.</source>
        <translation>Du stehst auf einem Teich.</translation>
    </message>
    <message>
        <source>You.</source>
        <translation>Du bist hier.</translation>
    </message>
    <message>
        <source>%1 to visit.</source>
        <translation>Noch %1 zu besuchen.</translation>
    </message>
    <message>
        <source>Move %1 of %2 next.</source>
        <translation>Als Nächstes Zug %1 von %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>A duck moved next to you: %1.</source>
        <translation>Eine Ente steht jetzt neben dir: %1.</translation>
    </message>
    <message>
        <source>Duck next to you: %1.</source>
        <translation>Ente neben dir: %1.</translation>
    </message>
    <message>
        <source>Ducks moved next to you: %1.</source>
        <translation>Enten stehen jetzt neben dir: %1.</translation>
    </message>
    <message>
        <source>Ducks next to you: %1.</source>
        <translation>Enten neben dir: %1.</translation>
    </message>
    <message>
        <source>Ducks moved.</source>
        <translation>Die Enten haben sich bewegt.</translation>
    </message>
    <message>
        <source>No duck moved.</source>
        <translation>Keine Ente hat sich bewegt.</translation>
    </message>
</context>
<context>
    <name>GamePlatform</name>
    <message>
        <source>Failed to load sound file.</source>
        <translation>Eine Tondatei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über Tarvik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation>für Linux</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Tarvik developers</source>
        <translation>Copyright (C) 2026 Die Tarvik-Entwickler</translation>
    </message>
</context>
<context>
    <name>TOptionDialog</name>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Nachfragen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Reserve Window Position</source>
        <translation>&amp;Fensterposition merken</translation>
    </message>
    <message>
        <source>Reserve S&amp;tatus</source>
        <translation>&amp;Statistik behalten</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Hindernisse</translation>
    </message>
    <message>
        <source>Trap</source>
        <translation>Fallen</translation>
    </message>
</context>
<context>
    <name>TPatternDialog</name>
    <message>
        <source>Pattern number</source>
        <translation>Musternummer</translation>
    </message>
    <message>
        <source>This pattern&apos;s number:</source>
        <translation>Nummer dieses Musters:</translation>
    </message>
    <message>
        <source>None yet: start a pattern first.</source>
        <translation>Noch keine: Starte zuerst ein Muster.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Play a pattern by its number:</source>
        <translation>Ein Muster nach seiner Nummer spielen:</translation>
    </message>
    <message>
        <source>for example 32-3-2-3-48213907</source>
        <translation>zum Beispiel 32-3-2-3-48213907</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>This number asks for options the game does not have: cells go from %1 to %2, trees from %3 to %4, ponds from %5 to %6 and ducks from %7 to %8.</source>
        <translation>Diese Nummer verlangt Optionen, die das Spiel nicht hat: Felder gibt es von %1 bis %2, Bäume von %3 bis %4, Teiche von %5 bis %6 und Enten von %7 bis %8.</translation>
    </message>
    <message>
        <source>This number is too long: cells, trees, ponds and ducks have at most two digits each, the seed at most eight.</source>
        <translation>Diese Nummer ist zu lang: Felder, Bäume, Teiche und Enten haben höchstens zwei Ziffern, der Startwert höchstens acht.</translation>
    </message>
    <message>
        <source>A pattern number is five numbers joined by dashes: cells, trees, ponds, ducks and seed, for example 32-3-2-3-48213907.</source>
        <translation>Eine Musternummer besteht aus fünf Zahlen, durch Bindestriche verbunden: Felder, Bäume, Teiche, Enten und Startwert, zum Beispiel 32-3-2-3-48213907.</translation>
    </message>
    <message>
        <source>Par is the fewest moves that surely clear the pattern from its start, whatever order the ducks step in.</source>
        <translation>Das Par ist die geringste Anzahl von Zügen, mit der sich das Muster von seinem Start aus sicher schaffen lässt, in welcher Reihenfolge die Enten auch ziehen.</translation>
    </message>
    <message>
        <source>No par: no sure way clears this pattern from its start.</source>
        <translation>Kein Par: Es gibt keinen sicheren Weg, dieses Muster von seinem Start aus zu schaffen.</translation>
    </message>
    <message>
        <source>Par not known yet.</source>
        <translation>Das Par ist noch nicht bekannt.</translation>
    </message>
    <message>
        <source>Par %1</source>
        <translation>Par %1</translation>
    </message>
    <message>
        <source>Par at most %1</source>
        <translation>Par höchstens %1</translation>
    </message>
</context>
<context>
    <name>TStatusDialog</name>
    <message>
        <source>Status</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Gestartet</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholt</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Geschafft</translation>
    </message>
    <message>
        <source>Gameover</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Hat Trick</source>
        <translation>Hattricks</translation>
    </message>
    <message>
        <source>Succeeding</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Max Succeeding</source>
        <translation>Beste Serie</translation>
    </message>
    <message>
        <source> (%1%)</source>
        <translation> (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TSys</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>S&amp;tatus</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tarvik</translation>
    </message>
    <message>
        <source>Waiting to be started.</source>
        <translation>Bereit zum Start.</translation>
    </message>
    <message>
        <source>S t a r t e d .</source>
        <translation>G e s t a r t e t .</translation>
    </message>
    <message>
        <source>R e t r y i n g .</source>
        <translation>N e u e r  V e r s u c h .</translation>
    </message>
    <message>
        <source>C l e a r e d !</source>
        <translation>G e s c h a f f t !</translation>
    </message>
    <message>
        <source>H a t  T r i c k !!!</source>
        <translation>H a t t r i c k !!!</translation>
    </message>
    <message>
        <source>G a m e o v e r .</source>
        <translation>S p i e l  v o r b e i .</translation>
    </message>
    <message>
        <source>Starting new pattern.</source>
        <translation>Ein neues Muster wird gestartet.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Retrying currnt pattern.</source>
        <translation>Das aktuelle Muster wird wiederholt.</translation>
    </message>
    <message>
        <source>Quiting the application.</source>
        <translation>Das Spiel wird beendet.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Sicher?</translation>
    </message>
    <message>
        <source>Starting new pattern with modified settings.</source>
        <translation>Mit den geänderten Optionen wird ein neues Muster gestartet.</translation>
    </message>
    <message>
        <source>Opening HTML help.</source>
        <translation>Die HTML-Hilfe wird geöffnet.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Failed to open help file.</source>
        <translation>Die Hilfedatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Open following file by yourself.</source>
        <translation>Öffne bitte die folgende Datei selbst.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Failed to load settings.</source>
        <translation>Die Einstellungen konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to save settings.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>T&amp;ipp</translation>
    </message>
    <message>
        <source>&amp;Fair patterns only</source>
        <translation>Nur &amp;faire Muster</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>There is no sure way to clear the pattern from here: whatever you do, the ducks may catch you, depending on the order they step in.</source>
        <translation>Von hier aus gibt es keinen sicheren Weg, das Muster zu schaffen: Was du auch tust, die Enten können dich fangen, je nachdem, in welcher Reihenfolge sie ziehen.</translation>
    </message>
    <message>
        <source>No sure way to clear the pattern from here was found in time. There may still be one.</source>
        <translation>Ein sicherer Weg, das Muster von hier aus zu schaffen, wurde nicht rechtzeitig gefunden. Vielleicht gibt es trotzdem einen.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>&amp;Pattern number…</source>
        <translation>&amp;Musternummer…</translation>
    </message>
</context>
</TS>
