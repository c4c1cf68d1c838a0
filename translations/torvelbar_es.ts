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
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>opción desconocida %1 (consulta torvelbar --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>orden desconocida «%1» (consulta torvelbar --help)</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1 (consulta torvelbar help %2)</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
Código de salida: 0 hecho, 1 TorvelBar no está en marcha (o no puede iniciarse), 2 entrada no válida.
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>Uso: torvelbar [ORDEN]
Calienta el color de cada pantalla según la hora del día.

  torvelbar                      iniciar, o abrir la ventana del que está en marcha
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>desde entonces rige el color de noche (también
se guarda para el próximo inicio)</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>el brillo de las pantallas de noche, o en el
modo manual: del 10 al 100 % del nivel que
fijaste (100: nunca se atenúa)</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness espera night o manual y un porcentaje, como brightness night 60</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>su brillo %1 es ahora del %2 %</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>el color de día, de 1000 a 6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 se tiñe al %2 %</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 se deja como está</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1 y mantiene su brillo</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>teñir la pantalla ID (su id o conector, como
los muestra displays) o dejarla como está;
strength: del 0 al 100 % del cambio desde
6500 K; dim off: mantiene su brillo de noche</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display espera ID on, ID off, ID strength 0 a 100, o ID dim on|off</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>aquí no hay pantallas propias: este escritorio usa un color para todas</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>cada pantalla: su id, conector, nombre y
si se tiñe y con qué intensidad</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays no admite argumentos</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>este texto, o el de una orden</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help espera el nombre de una orden</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>el color manual, igual</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin espera un número entero de kelvin, como 3400</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>su color manual es ahora %1 K</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>desde dónde se sigue el sol, en grados
(norte y este positivos); auto: del servicio
de ubicación, o si no de la zona horaria</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location espera una latitud (-90 a 90) y una longitud (-180 a 180) en grados, como 59.91 10.75, o auto</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>su ubicación es ahora %1, %2</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>buscará su ubicación por sí mismo</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>el modo (se guarda para el próximo inicio
si TorvelBar no está en marcha)</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode espera auto (o schedule), manual u off</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>se iniciará en el modo %1</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>el color de noche, igual</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s, 30m, 2h, 1h30m (un número solo son
minutos); sin nada: hasta la hora de despertar</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause admite como mucho una duración</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>no se entiende la duración «%1» (como 30s, 30m, 2h, 1h30m)</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>una pausa dura como mucho 24h, no %1</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>apartarse mientras la ventana de APP esté
delante (su WM_CLASS en X11, su app_id en
Wayland), igual con ventanas a pantalla
completa; list: las apps y si cuenta esto último</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>un id de app es una línea de 1 a 255 bytes</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for espera add APP, remove APP, list o fullscreen on|off</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>se apartará para las ventanas a pantalla completa</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>las ventanas a pantalla completa no lo apartarán</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>se apartará para: %1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>ninguna app</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>terminar una pausa</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume no admite argumentos</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 espera una hora como HH:MM, como 22:30</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down espera minutos enteros de 0 a 12h, como 3h o 1h30m</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 espera un número entero de kelvin, como 2700</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>su horario es ahora: a dormir %1, despertar %2, transición de %3, %4 K de día y %5 K de noche</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>a dormir y despertar según lo fijado, o el
anochecer y el amanecer de cada día (también
se guarda si no está en marcha)</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source espera clock o sun</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>su horario seguirá %1</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>el sol</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>el reloj</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>la línea de estado y el color; --json escribe
un objeto por línea (con text, tooltip, class y
alt de waybar); --follow escribe una línea en
cada cambio</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status admite --json y --follow, no %1</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>apagar si está tiñendo; si no, volver al modo anterior</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle no admite argumentos</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>desde entonces rige el color de día, igual</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>la transición hasta la hora de dormir, de 0 a 12h (como 2h30m)</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar: TorvelBar no está en marcha y, sin HOME ni XDG_CONFIG_HOME, no hay dónde guardarlo</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar: TorvelBar no está en marcha y no se guardó nada: %1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>TorvelBar no está en marcha; %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>TorvelBar no está en marcha</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar: TorvelBar no respondió</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar: TorvelBar no está en marcha</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar: no se puede acceder al bus de sesión (%1), así que no se puede preguntar a TorvelBar</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>fuente de horario desconocida «%1» (clock o sun)</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>%1 KiB de argumentos es más de lo que TorvelBar admite (%2 KiB)</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>el cambio se aplica pero no se guardó: %1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>TorvelBar se está cerrando</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>modo desconocido «%1» (auto, manual u off)</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>campo de horario desconocido «%1» (bedtime, wake, windDown, dayKelvin o nightKelvin)</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>el tono está apagado: no hay nada que pausar</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>una pausa dura como mucho 24 horas (%1 s), no %2 s</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>un llamante puede tener como mucho %1 inhibiciones</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>como mucho puede haber %1 inhibiciones a la vez</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>ninguna inhibición de este llamante tiene la cookie %1</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>no hay pantalla que teñir (no está definido WAYLAND_DISPLAY ni DISPLAY)</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>no se puede cargar el módulo del anfitrión %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 no es un módulo de anfitrión de TorvelBar</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 es de la versión %2, no %3</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>no hay carpeta de ejecución privada (%1), así que nada impediría una segunda copia ni desharía el tono tras un fallo; no se inicia</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>no se puede tomar el bloqueo %1; no se inicia</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>Luz nocturna vuelve a tomar nuestro color</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>los ajustes de Luz nocturna están bloqueados por el administrador (%1)</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>el esquema de ajustes de Luz nocturna de GNOME no está instalado</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME hasta mañana</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc es un enlace a nada</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc no es un archivo normal</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc ocupa más de 16 MiB</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>no se puede leer kwinrc</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>no se puede escribir kwinrc (%1)</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>kwinrc vuelve a tomar nuestro color</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>el Color nocturno de KWin no responde en el bus de sesión</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin para otro programa</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>logind lo rechazó: %1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>no hay carpeta de ejecución privada (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 no es una carpeta privada de este usuario</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>XDG_RUNTIME_DIR, XDG_CACHE_HOME y HOME no están definidos</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>el compositor vuelve a tomar nuestro color</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>se cortó la conexión con el compositor Wayland</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>el compositor ya no ofrece control de gamma</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>el compositor rechazó el control de gamma de todas las pantallas (puede tenerlo otro programa)</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>no se puede conectar con el compositor Wayland %1</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>el compositor Wayland %1 cerró la conexión</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>este compositor no ofrece control de gamma a las aplicaciones</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>este compositor Wayland no ofrece control de gamma a las aplicaciones ni una luz nocturna que TorvelBar pueda manejar; su propio ajuste de luz nocturna hace este trabajo</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>el servidor X vuelve a tomar nuestro color</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>se cortó la conexión con el servidor X %1</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>ninguna pantalla del servidor X %1 admite una rampa de gamma</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>no se puede conectar con el servidor X %1</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>el servidor X %1 no tiene la extensión RandR</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>el servidor X %1 tiene un RandR anterior a 1.2</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>el servidor X %1 es el Xwayland de un compositor Wayland, cuyos colores no llegan a ninguna pantalla; inicia torvelbar con WAYLAND_DISPLAY definido</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>no está definido HOME ni XDG_CONFIG_HOME</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>una pantalla se nombra por su id o conector, una línea de 1 a 255 caracteres</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>la intensidad de una pantalla va de 0 a 100, no %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>ocupa más de 1 MiB, así que no es un archivo de ajustes nuestro</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>es un enlace a un archivo que no es tuyo</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>es un enlace a algo que no es un archivo</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>el archivo de ajustes %1 %2; los cambios solo valen para esta sesión</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>no hay carpeta de ajustes: no está definido HOME ni XDG_CONFIG_HOME</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>el archivo de ajustes %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>otro programa tiene el bloqueo de la carpeta de ajustes %1</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1; el cambio se conserva y se guardará cuando lo suelte</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1; no se guardó nada</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>no se pudieron guardar los ajustes: %1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1; el cambio se conserva en esta sesión</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>no se pudo volver a leer</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>no se pudieron guardar los ajustes en %1 (%2)</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>es una latitud de -90 a 90 y una longitud de -180 a 180 grados, no %1, %2</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>admite del %1 al %2 %, no %3</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>admite una hora de dormir y de despertar de 00:00 a 23:59, no %1 y %2 minutos tras la medianoche</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>admite una transición de 0 a 12 horas, no %1 minuto</numerusform>
            <numerusform>admite una transición de 0 a 12 horas, no %1 minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>admite colores de día y de noche de %1 a %2 K, no %3 y %4 K</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>el horario</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>admite de %1 a %2 K, no %3</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>el color manual</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>el brillo de noche</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>el brillo manual</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>una ubicación</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>como mucho %1 ids de app, no %2</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>como mucho %1 pantallas, no %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a setting, then what it takes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Uso:
</translation>
    </message>
    <message>
        <source>%1 is a folder that is not empty, in the way of every save</source>
        <translation>%1 es una carpeta no vacía que impide guardar</translation>
    </message>
</context>
</TS>
