<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>BoardSpeech</name>
    <message>
        <source>to visit</source>
        <translation>por visitar</translation>
    </message>
    <message>
        <source>visited</source>
        <translation>visitada</translation>
    </message>
    <message>
        <source>tree</source>
        <translation>árbol</translation>
    </message>
    <message>
        <source>pond</source>
        <translation>estanque</translation>
    </message>
    <message>
        <source>pond, not now</source>
        <translation>estanque, ahora no</translation>
    </message>
    <message>
        <source>duck</source>
        <translation>pato</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>borde</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation>columnas %1 a %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>filas %1 a %2</translation>
    </message>
    <message>
        <source>%1, %2, size %3 by %4</source>
        <translation>%1, %2, tamaño %3 por %4</translation>
    </message>
    <message>
        <source>You, on a pond.</source>
        <translation>Estás en un estanque.</translation>
    </message>
    <message>
        <source>You.</source>
        <translation>Estás aquí.</translation>
    </message>
    <message>
        <source>%1 to visit.</source>
        <translation>%1 por visitar.</translation>
    </message>
    <message>
        <source>Move %1 of %2 next.</source>
        <translation>Siguiente movimiento: %1 de %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>A duck moved next to you: %1.</source>
        <translation>Un pato se ha puesto a tu lado: %1.</translation>
    </message>
    <message>
        <source>Duck next to you: %1.</source>
        <translation>Pato a tu lado: %1.</translation>
    </message>
    <message>
        <source>Ducks moved next to you: %1.</source>
        <translation>Varios patos se han puesto a tu lado: %1.</translation>
    </message>
    <message>
        <source>Ducks next to you: %1.</source>
        <translation>Patos a tu lado: %1.</translation>
    </message>
    <message>
        <source>Ducks moved.</source>
        <translation>Los patos se han movido.</translation>
    </message>
    <message>
        <source>No duck moved.</source>
        <translation>Ningún pato se ha movido.</translation>
    </message>
</context>
<context>
    <name>GamePlatform</name>
    <message>
        <source>Failed to load sound file.</source>
        <translation>No se ha podido cargar un archivo de sonido.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de Tarvik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation>para Linux</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Tarvik developers</source>
        <translation>Copyright (C) 2026 Los desarrolladores de Tarvik</translation>
    </message>
</context>
<context>
    <name>TOptionDialog</name>
    <message>
        <source>Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Reserve Window Position</source>
        <translation>&amp;Recordar posición de la ventana</translation>
    </message>
    <message>
        <source>Reserve S&amp;tatus</source>
        <translation>Recordar es&amp;tadísticas</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Casillas</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Enemigos</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstáculos</translation>
    </message>
    <message>
        <source>Trap</source>
        <translation>Trampas</translation>
    </message>
</context>
<context>
    <name>TPatternDialog</name>
    <message>
        <source>Pattern number</source>
        <translation>Número de patrón</translation>
    </message>
    <message>
        <source>This pattern&apos;s number:</source>
        <translation>Número de este patrón:</translation>
    </message>
    <message>
        <source>None yet: start a pattern first.</source>
        <translation>Todavía ninguno: inicia primero un patrón.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Play a pattern by its number:</source>
        <translation>Jugar un patrón por su número:</translation>
    </message>
    <message>
        <source>for example 32-3-2-3-48213907</source>
        <translation>por ejemplo 32-3-2-3-48213907</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>This number asks for options the game does not have: cells go from %1 to %2, trees from %3 to %4, ponds from %5 to %6 and ducks from %7 to %8.</source>
        <translation>Este número pide opciones que el juego no tiene: las casillas van de %1 a %2, los árboles de %3 a %4, los estanques de %5 a %6 y los patos de %7 a %8.</translation>
    </message>
    <message>
        <source>This number is too long: cells, trees, ponds and ducks have at most two digits each, the seed at most eight.</source>
        <translation>Este número es demasiado largo: casillas, árboles, estanques y patos tienen como mucho dos cifras cada uno, y la semilla como mucho ocho.</translation>
    </message>
    <message>
        <source>A pattern number is five numbers joined by dashes: cells, trees, ponds, ducks and seed, for example 32-3-2-3-48213907.</source>
        <translation>Un número de patrón consta de cinco números unidos por guiones: casillas, árboles, estanques, patos y semilla, por ejemplo 32-3-2-3-48213907.</translation>
    </message>
    <message>
        <source>Par is the fewest moves that surely clear the pattern from its start, whatever order the ducks step in.</source>
        <translation>El par es el menor número de movimientos con el que se supera con seguridad el patrón desde su inicio, sea cual sea el orden en que se muevan los patos.</translation>
    </message>
    <message>
        <source>No par: no sure way clears this pattern from its start.</source>
        <translation>Sin par: no hay ninguna forma segura de superar este patrón desde su inicio.</translation>
    </message>
    <message>
        <source>Par not known yet.</source>
        <translation>Todavía no se conoce el par.</translation>
    </message>
    <message>
        <source>Par %1</source>
        <translation>Par %1</translation>
    </message>
    <message>
        <source>Par at most %1</source>
        <translation>Par %1 como máximo</translation>
    </message>
</context>
<context>
    <name>TStatusDialog</name>
    <message>
        <source>Status</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciados</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Superados</translation>
    </message>
    <message>
        <source>Gameover</source>
        <translation>Perdidos</translation>
    </message>
    <message>
        <source>Hat Trick</source>
        <translation>Hat-tricks</translation>
    </message>
    <message>
        <source>Succeeding</source>
        <translation>Racha actual</translation>
    </message>
    <message>
        <source>Max Succeeding</source>
        <translation>Mejor racha</translation>
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
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>S&amp;tatus</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de Tarvik</translation>
    </message>
    <message>
        <source>Waiting to be started.</source>
        <translation>Esperando para empezar.</translation>
    </message>
    <message>
        <source>S t a r t e d .</source>
        <translation>¡ A  j u g a r !</translation>
    </message>
    <message>
        <source>R e t r y i n g .</source>
        <translation>N u e v o  i n t e n t o .</translation>
    </message>
    <message>
        <source>C l e a r e d !</source>
        <translation>¡ S u p e r a d o !</translation>
    </message>
    <message>
        <source>H a t  T r i c k !!!</source>
        <translation>¡¡¡ H a t - t r i c k !!!</translation>
    </message>
    <message>
        <source>G a m e o v e r .</source>
        <translation>F i n  d e  l a  p a r t i d a .</translation>
    </message>
    <message>
        <source>Starting new pattern.</source>
        <translation>Se iniciará un patrón nuevo.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Retrying currnt pattern.</source>
        <translation>Se reintentará el patrón actual.</translation>
    </message>
    <message>
        <source>Quiting the application.</source>
        <translation>El juego se cerrará.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>¿Seguro?</translation>
    </message>
    <message>
        <source>Starting new pattern with modified settings.</source>
        <translation>Se iniciará un patrón nuevo con las opciones modificadas.</translation>
    </message>
    <message>
        <source>Opening HTML help.</source>
        <translation>Se abrirá la ayuda en HTML.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Failed to open help file.</source>
        <translation>No se ha podido abrir el archivo de ayuda.</translation>
    </message>
    <message>
        <source>Open following file by yourself.</source>
        <translation>Abre el siguiente archivo por tu cuenta.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to load settings.</source>
        <translation>No se han podido cargar los ajustes.</translation>
    </message>
    <message>
        <source>Failed to save settings.</source>
        <translation>No se han podido guardar los ajustes.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Fair patterns only</source>
        <translation>Solo patrones &amp;justos</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>There is no sure way to clear the pattern from here: whatever you do, the ducks may catch you, depending on the order they step in.</source>
        <translation>Desde aquí no hay ninguna forma segura de superar el patrón: hagas lo que hagas, los patos pueden atraparte, según el orden en que se muevan.</translation>
    </message>
    <message>
        <source>No sure way to clear the pattern from here was found in time. There may still be one.</source>
        <translation>No se ha encontrado a tiempo ninguna forma segura de superar el patrón desde aquí. Puede que aun así exista una.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Re&amp;hacer</translation>
    </message>
    <message>
        <source>&amp;Pattern number…</source>
        <translation>&amp;Número de patrón…</translation>
    </message>
</context>
</TS>
