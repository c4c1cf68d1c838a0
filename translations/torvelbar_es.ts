<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>una ventana</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>Colores de pantalla sin cambios</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>En pausa hasta %1</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>En pausa por %1</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>En pausa mientras %1 esté a pantalla completa</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pausa: %1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>Pausado por %1</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>Sin tono: %1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>Color fijo</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>Vista previa del color de día</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>Vista previa del color de noche</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>Transición · a dormir en %1</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>Noche · despertar a las %1</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>Despertando · luz de día a las %1</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>Luz de día · transición a las %1</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>hoy no hay amanecer ni anochecer</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>sin ubicación para el sol</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>la pausa por aplicaciones no funciona aquí</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>en pausa mientras %1 esté a pantalla completa en %2</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>en pausa por %1 en %2</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 sin cambios</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>brillo elegido por ti hasta las %1</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>no se puede atenuar: %1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>la atenuación no funciona aquí</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>las otras pantallas mantienen su brillo aquí</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>ajustes sin guardar</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration in minutes</comment>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration in hours</comment>
        <translation>%1&#xa0;h</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration in hours and minutes</comment>
        <translation>%1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <source>now</source>
        <comment>bedtime in: now</comment>
        <translation>un momento</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1 (pedido por %2)</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>Abrir TorvelBar</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Pausar 1 hora</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>Pausar hasta la mañana</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>Pausar en pantalla completa</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Mediodía</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18:00</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Medianoche</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6:00</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Atenuar</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>al&#xa0;%1&#xa0;%</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Pantallas</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>Tono en %1</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Intensidad en %1</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>Acostarse antes</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>Acostarse más tarde</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>Despertar antes</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>Despertar más tarde</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>Transición más corta</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>Transición más larga</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>Seguir el sol</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Hora de dormir</translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation>Despertar</translation>
    </message>
    <message>
        <source>Wind-down</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>Ubicación desconocida: horas fijas</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>en %1° %2, %3° %4</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>at your location</source>
        <translation>en tu ubicación</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>en %1</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>Hoy no hay amanecer ni anochecer %1</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>Anochecer y amanecer %1</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>Noche del anochecer al amanecer</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Empieza a las %1</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
</context>
</TS>
