<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>uma janela</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>Cores da tela inalteradas</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pausado até %1</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>Pausado para %1</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>Pausado enquanto %1 estiver em tela cheia</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pausado: %1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>Pausado por %1</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>Sem tonalidade: %1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>Cor fixa</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>Prévia da cor do dia</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>Prévia da cor da noite</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>Transição · hora de dormir em %1</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>Noite · acordar às %1</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>Acordando · luz do dia às %1</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>Luz do dia · transição às %1</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>sem nascer do sol nem anoitecer hoje</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>sem localização para o sol</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>pausar para apps não funciona aqui</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>pausado enquanto %1 estiver em tela cheia em %2</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>pausado para %1 em %2</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 deixado como está</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>brilho definido por você até %1</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>não é possível escurecer: %1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>escurecer não funciona aqui</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>as outras telas mantêm o brilho aqui</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>configurações não salvas</translation>
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
        <translation>instantes</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1 (pedido por %2)</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>Abrir o TorvelBar</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Pausar por 1 hora</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>Pausar até de manhã</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>Pausar em tela cheia</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Meio-dia</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18h</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Meia-noite</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6h</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Escurecer</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>Não</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>para&#xa0;%1%</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Telas</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>Tonalidade em %1</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Intensidade em %1</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noite</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>Dormir mais cedo</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>Dormir mais tarde</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>Acordar mais cedo</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>Acordar mais tarde</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>Transição mais curta</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>Transição mais longa</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>Seguir o sol</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Hora de dormir</translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation>Acordar</translation>
    </message>
    <message>
        <source>Wind-down</source>
        <translation>Transição</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>Local desconhecido: horários fixos</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>em %1° %2, %3° %4</translation>
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
        <translation>L</translation>
    </message>
    <message>
        <source>at your location</source>
        <translation>no seu local</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>em %1</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>Sem nascer do sol nem anoitecer %1 hoje</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>Anoitecer e nascer do sol %1</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>Noite do anoitecer ao nascer do sol</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Começa às %1</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuir</translation>
    </message>
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>opção desconhecida %1 (veja torvelbar --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>comando desconhecido “%1” (veja torvelbar --help)</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1 (veja torvelbar help %2)</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
Código de saída: 0 feito, 1 o TorvelBar não está em execução (ou não pode iniciar), 2 entrada inválida.
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>Uso: torvelbar [COMANDO]
Aquece a cor de cada tela conforme a hora do dia.

  torvelbar                      inicia, ou abre a janela do que está em execução
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>a partir daí vale a cor da noite (também
salvo para a próxima inicialização)</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>o brilho das telas à noite, ou no modo
manual: 10 a 100% do nível que você
definiu (100: nunca escurece)</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness espera night ou manual e uma porcentagem, como brightness night 60</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>o brilho %1 agora é %2%</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>a cor do dia, de 1000 a 6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 recebe tonalidade de %2%</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 fica como está</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1 e mantém o brilho</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>aplicar tonalidade à tela ID (seu id ou
conector, como displays os lista) ou deixá-la
como está; strength: 0 a 100% do desvio a
partir de 6500 K; dim off: mantém o brilho à noite</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display espera ID on, ID off, ID strength 0 a 100, ou ID dim on|off</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>aqui não há telas separadas: este ambiente usa uma cor para todas</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>cada tela: id, conector, nome e se
recebe tonalidade e com que intensidade</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays não aceita argumentos</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>este texto, ou o de um comando</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help espera o nome de um comando</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>a cor manual, idem</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin espera um número inteiro de kelvin, como 3400</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>a cor manual agora é %1 K</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>de onde o sol é seguido, em graus (norte e
leste positivos); auto: pelo serviço de
localização, senão pelo fuso horário</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location espera uma latitude (-90 a 90) e uma longitude (-180 a 180) em graus, como 59.91 10.75, ou auto</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>a localização agora é %1, %2</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>ele vai descobrir a localização</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>o modo (salvo para a próxima inicialização
se o TorvelBar não estiver em execução)</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode espera auto (ou schedule), manual ou off</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>vai iniciar no modo %1</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>a cor da noite, idem</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s, 30m, 2h, 1h30m (um número sozinho são
minutos); sem nada: até a hora de acordar</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause aceita no máximo uma duração</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>não foi possível ler a duração “%1” (como 30s, 30m, 2h, 1h30m)</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>uma pausa dura no máximo 24h, não %1</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>sair de cena enquanto a janela de APP estiver
na frente (WM_CLASS no X11, app_id no
Wayland), idem para janelas em tela cheia;
list: os apps, e se a tela cheia conta</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>um id de app é uma linha de 1 a 255 bytes</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for espera add APP, remove APP, list ou fullscreen on|off</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>vai sair de cena para janelas em tela cheia</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>janelas em tela cheia não vão tirá-lo de cena</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>vai sair de cena para: %1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>nenhum app</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>encerrar uma pausa</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume não aceita argumentos</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 espera um horário como HH:MM, como 22:30</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down espera minutos inteiros de 0 a 12h, como 3h ou 1h30m</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 espera um número inteiro de kelvin, como 2700</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>o horário agora é: dormir %1, acordar %2, transição de %3, %4 K de dia e %5 K à noite</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>dormir e acordar como definidos, ou o
anoitecer e o nascer do sol de cada dia
(também salvo se não estiver em execução)</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source espera clock ou sun</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>o horário vai seguir %1</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>o sol</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>o relógio</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>a linha de status e a cor; --json imprime
um objeto por linha (com text, tooltip, class e
alt do waybar); --follow imprime uma linha a
cada mudança</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status aceita --json e --follow, não %1</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>desliga se estiver aplicando tonalidade, senão volta ao modo anterior</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle não aceita argumentos</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>a partir daí vale a cor do dia, idem</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>a transição até a hora de dormir, de 0 a 12h (como 2h30m)</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar: o TorvelBar não está em execução e, sem HOME nem XDG_CONFIG_HOME, não há onde salvar</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar: o TorvelBar não está em execução e nada foi salvo: %1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>O TorvelBar não está em execução; %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>parado</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>O TorvelBar não está em execução</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar: o TorvelBar não respondeu</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar: o TorvelBar não está em execução</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar: o barramento da sessão não pode ser alcançado (%1), então o TorvelBar não pode ser consultado</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>fonte de horário desconhecida “%1” (clock ou sun)</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>%1 KiB de argumentos é mais do que o TorvelBar aceita (%2 KiB)</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>a mudança está valendo, mas não foi salva: %1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>O TorvelBar está encerrando</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>modo desconhecido “%1” (auto, manual ou off)</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>campo de horário desconhecido “%1” (bedtime, wake, windDown, dayKelvin ou nightKelvin)</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>a tonalidade está desligada: não há nada para pausar</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>uma pausa dura no máximo 24 horas (%1 s), não %2 s</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>um chamador pode manter no máximo %1 inibições</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>no máximo %1 inibições podem existir ao mesmo tempo</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>nenhuma inibição deste chamador tem o cookie %1</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>nenhuma tela para aplicar tonalidade (WAYLAND_DISPLAY e DISPLAY não estão definidos)</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>o módulo do host %1 não pode ser carregado: %2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 não é um módulo de host do TorvelBar</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 é da versão %2, não %3</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>sem pasta de execução privada (%1), nada impediria uma segunda cópia nem desfaria a tonalidade após uma falha; não iniciando</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>não foi possível obter a trava %1; não iniciando</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>A Luz noturna volta a usar nossa cor</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>as configurações da Luz noturna estão bloqueadas pelo administrador (%1)</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>o esquema de configurações da Luz noturna do GNOME não está instalado</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME até amanhã</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc é um link para nada</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc não é um arquivo comum</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc é maior que 16 MiB</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>kwinrc não pode ser lido</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>kwinrc não pode ser gravado (%1)</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>o kwinrc volta a usar nossa cor</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>a Cor noturna do KWin não responde no barramento da sessão</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin para outro programa</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>sem barramento da sessão</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 não pode ser lido</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>o logind recusou: %1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>sem pasta de execução privada (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 não pode ser gravado (%2)</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 não é uma pasta privada deste usuário</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>XDG_RUNTIME_DIR, XDG_CACHE_HOME e HOME não estão definidos</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>o compositor volta a usar nossa cor</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>a conexão com o compositor Wayland caiu</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>o compositor não oferece mais controle de gama</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>o compositor recusou o controle de gama de todas as telas (outro programa pode estar com ele)</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>não foi possível conectar ao compositor Wayland %1</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>o compositor Wayland %1 fechou a conexão</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>este compositor não oferece controle de gama aos aplicativos</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>este compositor Wayland não oferece controle de gama aos aplicativos nem uma luz noturna que o TorvelBar possa controlar; a configuração de luz noturna dele faz esse trabalho</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>o servidor X volta a usar nossa cor</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>a conexão com o servidor X %1 caiu</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>nenhuma tela do servidor X %1 aceita uma rampa de gama</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>não foi possível conectar ao servidor X %1</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>o servidor X %1 não tem a extensão RandR</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>o servidor X %1 tem RandR anterior a 1.2</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>o servidor X %1 é o Xwayland de um compositor Wayland, cujas cores não chegam a nenhuma tela; inicie o torvelbar com WAYLAND_DISPLAY definido</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>nem HOME nem XDG_CONFIG_HOME está definido</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não foi possível gravar %1</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>uma tela é indicada pelo id ou conector, uma linha de 1 a 255 caracteres</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>a intensidade de uma tela vai de 0 a 100, não %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>é maior que 1 MiB, então não é um arquivo de configurações nosso</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>é um link para um arquivo que não é seu</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>é um link para algo que não é um arquivo</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>o arquivo de configurações %1 %2; as mudanças valem só para esta execução</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>sem pasta de configurações: nem HOME nem XDG_CONFIG_HOME está definido</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>o arquivo de configurações %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>outro programa mantém a trava da pasta de configurações %1</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1; a mudança é mantida e salva quando ele liberar</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1; nada foi salvo</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>não foi possível salvar as configurações: %1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1; a mudança vale para esta execução</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>não pôde ser lido de novo</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>não foi possível salvar as configurações em %1 (%2)</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>é uma latitude de -90 a 90 e uma longitude de -180 a 180 graus, não %1, %2</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>aceita de %1 a %2%, não %3</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>aceita hora de dormir e de acordar de 00:00 a 23:59, não %1 e %2 minutos após a meia-noite</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>aceita uma transição de 0 a 12 horas, não %1 minuto</numerusform>
            <numerusform>aceita uma transição de 0 a 12 horas, não %1 minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>aceita cores do dia e da noite de %1 a %2 K, não %3 e %4 K</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>o horário</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>aceita de %1 a %2 K, não %3</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>a cor manual</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>o brilho noturno</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>o brilho manual</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>uma localização</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>no máximo %1 ids de app, não %2</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>no máximo %1 telas, não %2</translation>
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
        <translation>%1 é uma pasta não vazia que impede qualquer gravação</translation>
    </message>
</context>
</TS>
