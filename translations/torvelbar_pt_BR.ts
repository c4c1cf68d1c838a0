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
</context>
</TS>
