<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Catalogue</name>
    <message>
        <source>Trilinear Perfect</source>
        <translation>Трилинейная идеальная</translation>
    </message>
    <message>
        <source>Trilinear Medium [default]</source>
        <translation>Трилинейная средняя [по умолчанию]</translation>
    </message>
    <message>
        <source>Bilinear Perfect</source>
        <translation>Билинейная идеальная</translation>
    </message>
    <message>
        <source>Bilinear Medium</source>
        <translation>Билинейная средняя</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Идеальное</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Low [default]</source>
        <translation>Низкое [по умолчанию]</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Очень низкое</translation>
    </message>
    <message>
        <source>Perfect [default]</source>
        <translation>Идеальное [по умолчанию]</translation>
    </message>
    <message>
        <source>Low [die hard]</source>
        <translation>Низкое [хардкор]</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Большой</translation>
    </message>
    <message>
        <source>Medium [default]</source>
        <translation>Средний [по умолчанию]</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Малый</translation>
    </message>
    <message>
        <source>Very Small [die hard]</source>
        <translation>Очень малый [хардкор]</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкое</translation>
    </message>
    <message>
        <source>No Skipping [default]</source>
        <translation>Без пропуска [по умолчанию]</translation>
    </message>
    <message>
        <source>One Line Switch</source>
        <translation>Чередование 1 строки</translation>
    </message>
    <message>
        <source>Two Line Switch</source>
        <translation>Чередование 2 строк</translation>
    </message>
    <message>
        <source>No Truform</source>
        <translation>Без Truform</translation>
    </message>
    <message>
        <source>Truform Level 1</source>
        <translation>Truform, уровень 1</translation>
    </message>
    <message>
        <source>Truform Level 2 [default]</source>
        <translation>Truform, уровень 2 [по умолчанию]</translation>
    </message>
    <message>
        <source>Truform Level 3</source>
        <translation>Truform, уровень 3</translation>
    </message>
    <message>
        <source>Truform Level 4</source>
        <translation>Truform, уровень 4</translation>
    </message>
    <message>
        <source>Truform Level 5</source>
        <translation>Truform, уровень 5</translation>
    </message>
    <message>
        <source>Truform Level 6</source>
        <translation>Truform, уровень 6</translation>
    </message>
    <message>
        <source>Truform Level 7 [spherical]</source>
        <translation>Truform, уровень 7 [сферическая]</translation>
    </message>
    <message>
        <source>No Head Icons</source>
        <translation>Без значков</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>По прицелу</translation>
    </message>
    <message>
        <source>Everyone [default]</source>
        <translation>У всех [по умолчанию]</translation>
    </message>
    <message>
        <source>No Effects</source>
        <translation>Без эффектов</translation>
    </message>
    <message>
        <source>Some Effects</source>
        <translation>Часть эффектов</translation>
    </message>
    <message>
        <source>Full Effects [default]</source>
        <translation>Все эффекты [по умолчанию]</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Ураган</translation>
    </message>
    <message>
        <source>Storm</source>
        <translation>Буря</translation>
    </message>
    <message>
        <source>Light Rain [default]</source>
        <translation>Лёгкий дождь [по умолчанию]</translation>
    </message>
    <message>
        <source>No Weather</source>
        <translation>Без погоды</translation>
    </message>
    <message>
        <source>Level 1 Visibility Tests</source>
        <translation>Проверки видимости: уровень 1</translation>
    </message>
    <message>
        <source>Level 2 Visibility Tests</source>
        <translation>Проверки видимости: уровень 2</translation>
    </message>
    <message>
        <source>Level 3 Visibility Tests</source>
        <translation>Проверки видимости: уровень 3</translation>
    </message>
    <message>
        <source>Level 4 Visibility Tests</source>
        <translation>Проверки видимости: уровень 4</translation>
    </message>
    <message>
        <source>Level 5 Visibility Tests</source>
        <translation>Проверки видимости: уровень 5</translation>
    </message>
    <message>
        <source>Level 6 Tests [default]</source>
        <translation>Проверки: уровень 6 [по умолчанию]</translation>
    </message>
    <message>
        <source>Bits/sec</source>
        <translation>бит/сек</translation>
    </message>
    <message>
        <source>Bits/s</source>
        <translation>бит/с</translation>
    </message>
    <message>
        <source>KBits/sec</source>
        <translation>Кбит/сек</translation>
    </message>
    <message>
        <source>KBits/s</source>
        <translation>Кбит/с</translation>
    </message>
    <message>
        <source>KBytes/sec</source>
        <translation>Кбайт/сек</translation>
    </message>
    <message>
        <source>KBytes/s</source>
        <translation>Кбайт/с</translation>
    </message>
    <message>
        <source>Hi Quality Models</source>
        <translation>Качественные модели</translation>
    </message>
    <message>
        <source>Fill Texturegaps</source>
        <translation>Заливка щелей текстур</translation>
    </message>
    <message>
        <source>Draw Visible Only</source>
        <translation>Только видимое</translation>
    </message>
    <message>
        <source>Dither Textures</source>
        <translation>Дизеринг текстур</translation>
    </message>
    <message>
        <source>Light Holes</source>
        <translation>Световые дыры</translation>
    </message>
    <message>
        <source>Palette Textures</source>
        <translation>Палитровые текстуры</translation>
    </message>
    <message>
        <source>Spriteblend</source>
        <translation>Смешение спрайтов</translation>
    </message>
    <message>
        <source>ZTrick Rendering</source>
        <translation>Рендеринг ZTrick</translation>
    </message>
    <message>
        <source>Detail Textures</source>
        <translation>Детальные текстуры</translation>
    </message>
    <message>
        <source>Reflective Textures</source>
        <translation>Отражающие текстуры</translation>
    </message>
    <message>
        <source>MMX Technology</source>
        <translation>Технология MMX</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Кровь</translation>
    </message>
    <message>
        <source>Gibs</source>
        <translation>Ошмётки</translation>
    </message>
    <message>
        <source>Precache</source>
        <translation>Предзагрузка</translation>
    </message>
    <message>
        <source>Lazy Precaching</source>
        <translation>Ленивая предзагрузка</translation>
    </message>
    <message>
        <source>Dynamic Lighting</source>
        <translation>Динамический свет</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Тени</translation>
    </message>
    <message>
        <source>Minimum Model Count</source>
        <translation>Минимум моделей</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>EAX</source>
        <translation>EAX</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Реверберация</translation>
    </message>
    <message>
        <source>VC DirectSound</source>
        <translation>Голос DirectSound</translation>
    </message>
    <message>
        <source>Texture Filtering:</source>
        <translation>Фильтрация текстур:</translation>
    </message>
    <message>
        <source>Texture Accuracy:</source>
        <translation>Точность текстур:</translation>
    </message>
    <message>
        <source>Texture Quality:</source>
        <translation>Качество текстур:</translation>
    </message>
    <message>
        <source>Player Quality:</source>
        <translation>Текстуры игроков:</translation>
    </message>
    <message>
        <source>Texture Size:</source>
        <translation>Размер текстур:</translation>
    </message>
    <message>
        <source>Sprite Quality:</source>
        <translation>Качество спрайтов:</translation>
    </message>
    <message>
        <source>Sprite Skipping:</source>
        <translation>Пропуск спрайтов:</translation>
    </message>
    <message>
        <source>ATI Truform:</source>
        <translation>ATI Truform:</translation>
    </message>
    <message>
        <source>Head Icon Mode:</source>
        <translation>Значки над головой:</translation>
    </message>
    <message>
        <source>Particle Effects:</source>
        <translation>Эффекты частиц:</translation>
    </message>
    <message>
        <source>Weather:</source>
        <translation>Погода:</translation>
    </message>
    <message>
        <source>Cheating-Death FPS</source>
        <translation>Cheating-Death FPS</translation>
    </message>
    <message>
        <source>Corpsestay:</source>
        <translation>Время трупов:</translation>
    </message>
    <message>
        <source>HPK Max Size:</source>
        <translation>Макс. размер HPK:</translation>
    </message>
    <message>
        <source>Wall Puffs:</source>
        <translation>Осколки стен:</translation>
    </message>
    <message>
        <source>Rubble:</source>
        <translation>Обломки:</translation>
    </message>
    <message>
        <source>Shells:</source>
        <translation>Гильзы:</translation>
    </message>
    <message>
        <source>Smokepuffs:</source>
        <translation>Облачка дыма:</translation>
    </message>
    <message>
        <source>Client Side Prediction</source>
        <translation>Клиентское предсказание</translation>
    </message>
    <message>
        <source>Fire Prediction</source>
        <translation>Предсказание стрельбы</translation>
    </message>
    <message>
        <source>Hit Prediction</source>
        <translation>Предсказание попаданий</translation>
    </message>
    <message>
        <source>Lag Compensation</source>
        <translation>Компенсация лагов</translation>
    </message>
    <message>
        <source>Download In-Game</source>
        <translation>Загрузка в игре</translation>
    </message>
    <message>
        <source>Allow Upload</source>
        <translation>Разрешить выгрузку</translation>
    </message>
    <message>
        <source>Voice Communication</source>
        <translation>Голосовая связь</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Рейт:</translation>
    </message>
    <message>
        <source>Update Rate:</source>
        <translation>Рейт обновлений:</translation>
    </message>
    <message>
        <source>Decals:</source>
        <translation>Декали:</translation>
    </message>
    <message>
        <source>Client Rate:</source>
        <translation>Рейт клиента:</translation>
    </message>
    <message>
        <source>Cmd Rate:</source>
        <translation>Рейт команд:</translation>
    </message>
    <message>
        <source>Cmd Backups:</source>
        <translation>Резерв команд:</translation>
    </message>
    <message>
        <source>I know my upload speed in</source>
        <translation>Я знаю исходящую скорость в</translation>
    </message>
    <message>
        <source>I know my download speed in</source>
        <translation>Я знаю входящую скорость в</translation>
    </message>
    <message>
        <source>My UPLOAD speed is:</source>
        <translation>Моя ИСХОДЯЩАЯ скорость:</translation>
    </message>
    <message>
        <source>My DOWNLOAD speed is:</source>
        <translation>Моя ВХОДЯЩАЯ скорость:</translation>
    </message>
    <message>
        <source>FPS Override</source>
        <translation>Снятие ограничения FPS</translation>
    </message>
    <message>
        <source>FPS Limit:</source>
        <translation>Предел FPS:</translation>
    </message>
    <message>
        <source>Vertical Sync</source>
        <translation>Вертикальная синхронизация</translation>
    </message>
    <message>
        <source>Raw Mouse Input</source>
        <translation>Прямой ввод мыши</translation>
    </message>
    <message>
        <source>Keep servers from changing my settings</source>
        <translation>Не давать серверам менять мои настройки</translation>
    </message>
    <message>
        <source>Interpolation:</source>
        <translation>Интерполяция:</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>quarvel.cfg is not there: the tweaks are not installed in this folder.</source>
        <translation>quarvel.cfg нет: твики в этой папке не установлены.</translation>
    </message>
    <message>
        <source>quarvel.cfg is there, but neither autoexec.cfg nor userconfig.cfg runs it.</source>
        <translation>quarvel.cfg есть, но его не запускает ни autoexec.cfg, ни userconfig.cfg.</translation>
    </message>
    <message>
        <source>%1 runs quarvel.cfg.</source>
        <translation>%1 запускает quarvel.cfg.</translation>
    </message>
    <message>
        <source>config.cfg is not there: the game has not saved its settings here yet.</source>
        <translation>config.cfg нет: игра ещё не сохраняла здесь свои настройки.</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3, above %4, the most the classic game takes.</source>
        <translation>%1 задаёт %2 равным %3, больше %4 — предела, который принимает классическая игра.</translation>
    </message>
    <message>
        <source>Every setting of quarvel.cfg held.</source>
        <translation>Все настройки quarvel.cfg сохранились.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so the start-up went on without it: %2.</source>
        <translation>%1 не удалось прочитать, поэтому запуск продолжился без него: %2.</translation>
    </message>
    <message>
        <source>%1 line %2 runs %3, which is already running: the check does not enter it again.</source>
        <translation>%1, строка %2, запускает %3, который уже выполняется: проверка не входит в него повторно.</translation>
    </message>
    <message>
        <source>quarvel.cfg is there, but nothing the game runs at start runs it yet.</source>
        <translation>quarvel.cfg на месте, но пока его не запускает ничто из того, что игра выполняет при старте.</translation>
    </message>
    <message>
        <source>userconfig.cfg runs quarvel.cfg, but config.cfg does not run userconfig.cfg yet: the game adds that line when it next saves its settings at exit.</source>
        <translation>userconfig.cfg запускает quarvel.cfg, но config.cfg пока не запускает userconfig.cfg: игра добавит эту строку, когда в следующий раз сохранит настройки при выходе.</translation>
    </message>
    <message>
        <source>quarvel.cfg was not written by Quarvel: it does not begin with &quot;%1&quot;.</source>
        <translation>quarvel.cfg записан не Quarvel: он не начинается с «%1».</translation>
    </message>
    <message>
        <source>quarvel.cfg sets nothing.</source>
        <translation>quarvel.cfg ничего не задаёт.</translation>
    </message>
    <message>
        <source>%1 line %2 sets %3 &quot;%4&quot; after quarvel.cfg sets &quot;%5&quot;.</source>
        <translation>%1, строка %2, задаёт %3 «%4» после того, как quarvel.cfg задаёт «%5».</translation>
    </message>
    <message>
        <source>To make them hold, install again with &quot;Also run after the game&apos;s own settings&quot; (install --userconfig): quarvel.cfg then runs after config.cfg.</source>
        <translation>Чтобы настройки сохранялись, установите заново с флажком «Запускать и после настроек самой игры» (install --userconfig): тогда quarvel.cfg будет выполняться после config.cfg.</translation>
    </message>
    <message>
        <source>%1 line %2 runs userconfig.cfg before config.cfg: that is too early for what it runs to hold.</source>
        <translation>%1, строка %2, запускает userconfig.cfg раньше config.cfg: это слишком рано, чтобы его настройки сохранились.</translation>
    </message>
    <message>
        <source>%1 line %2 runs alias &quot;%3&quot;, which runs itself without end: the check stopped following it after %4 aliases.</source>
        <translation>%1, строка %2, запускает алиас «%3», который бесконечно запускает сам себя: проверка перестала следовать за ним после %4 алиасов.</translation>
    </message>
    <message>
        <source>%1 line %2 runs alias &quot;%3&quot;, which runs more than %4 aliases: the check stopped following it there.</source>
        <translation>%1, строка %2, запускает алиас «%3», который запускает больше %4 алиасов: проверка перестала следовать за ним на этом месте.</translation>
    </message>
    <message>
        <source>the start-up runs more than %1 files; the check stopped at %2 line %3.</source>
        <translation>запуск выполняет больше %1 файлов; проверка остановилась на %2, строка %3.</translation>
    </message>
    <message>
        <source>the start-up names more than %1 files; the check stopped at %2 line %3.</source>
        <translation>запуск называет больше %1 файлов; проверка остановилась на %2, строка %3.</translation>
    </message>
    <message>
        <source>the start-up runs more than %1 MiB of configs; the check stopped at %2 line %3.</source>
        <translation>запуск выполняет больше %1 МиБ конфигов; проверка остановилась на %2, строка %3.</translation>
    </message>
    <message>
        <source>the start-up defines more than %1 aliases; the check stopped at %2 line %3.</source>
        <translation>запуск задаёт больше %1 алиасов; проверка остановилась на %2, строка %3.</translation>
    </message>
    <message>
        <source>the start-up runs aliases more than %1 times; the check stopped at %2 line %3.</source>
        <translation>запуск выполняет алиасы больше %1 раз; проверка остановилась на %2, строка %3.</translation>
    </message>
    <message>
        <source>%1 line %2 runs alias &quot;%3&quot;, which sets %4 &quot;%5&quot; after quarvel.cfg sets &quot;%6&quot;.</source>
        <translation>%1, строка %2, запускает алиас «%3», который задаёт %4 «%5» после того, как quarvel.cfg задаёт «%6».</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3, above %4, the most today&apos;s Steam game takes.</source>
        <translation>%1 задаёт %2 равным %3, больше %4 — предела, который принимает современная игра в Steam.</translation>
    </message>
    <message>
        <source>%1 sets %2 %3; the game raises it to %4.</source>
        <translation>%1 задаёт %2 %3; игра поднимает его до %4.</translation>
    </message>
    <message>
        <source>quarvel.cfg sets %1 %2, below %3, where today&apos;s Steam game starts: a game in a Steam library is today&apos;s game.</source>
        <translation>quarvel.cfg задаёт %1 %2, меньше %3 — значения, с которого начинает современная игра в Steam: игра в библиотеке Steam — это современная игра.</translation>
    </message>
    <message>
        <source>%1 line %2 runs %3 more than %4 files deep: the check goes no deeper.</source>
        <translation>%1, строка %2, запускает %3 глубже %4 файлов: проверка дальше не идёт.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Some HL mods support hi quality models, like TFC. They look better than the default models but impair performance.</source>
        <translation>Некоторые моды HL, например TFC, поддерживают высококачественные модели. Они выглядят лучше стандартных, но снижают производительность.</translation>
    </message>
    <message>
        <source>If you turn this on &apos;gaps&apos; between textures will be filled and textures will look smoother because the buffer will be cleared before repainting them.</source>
        <translation>Если включить, «щели» между текстурами будут заполняться, а текстуры будут выглядеть ровнее, потому что перед их перерисовкой буфер будет очищаться.</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Cull means HL will only render what is visible to you. If you turn this off, HL will calculate things you dont even see, which can have a huge performance impact.</source>
        <translation>Отсечение (cull) означает, что HL отрисовывает только то, что вы видите. Если выключить, HL будет просчитывать даже то, чего вы не видите, а это может сильно ударить по производительности.</translation>
    </message>
    <message>
        <source>Dithering textures makes them look blurred, but can improve performance. If you turn dithering off, all textures will be sharper and you will be able to display 32-bit texures.</source>
        <translation>Дизеринг делает текстуры размытыми, но может повысить производительность. Если выключить дизеринг, все текстуры станут чётче и можно будет выводить 32-битные текстуры.</translation>
    </message>
    <message>
        <source>You can turn light holes in textures on or off with this command.</source>
        <translation>Эта команда включает или выключает световые дыры в текстурах.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>HL uses a static color palette, however, you can make the palette generic by turning this off. Turning this off might cause errors with older video cards.</source>
        <translation>HL использует статическую цветовую палитру, но, выключив эту опцию, палитру можно сделать общей. На старых видеокартах выключение может вызывать ошибки.</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Н/Д</translation>
    </message>
    <message>
        <source>If you want to make your zoomed crosshairs more sharp, you can turn this off. Also, if you turn this off, you get about 3x more blood!.</source>
        <translation>Если хотите, чтобы прицел в режиме приближения был чётче, выключите эту опцию. Кроме того, с выключенной опцией крови становится примерно в 3 раза больше!</translation>
    </message>
    <message>
        <source>Video Card Dependant</source>
        <translation>Зависит от видеокарты</translation>
    </message>
    <message>
        <source>If you have a 3DFX video card (e.g. Voodoo 1/2/3), turning ZTrick on will improve performance. Some other video cards also support ZTrick, so experiment with this setting. Newer video cards should turn this off.</source>
        <translation>Если у вас видеокарта 3DFX (например, Voodoo 1/2/3), включение ZTrick повысит производительность. Некоторые другие видеокарты тоже поддерживают ZTrick, так что поэкспериментируйте с этой настройкой. На новых видеокартах её лучше выключить.</translation>
    </message>
    <message>
        <source>Turning on detail textures will make textures look sharper and more detailed. Turning this off will save RAM, because support for detail textures will be turned off.</source>
        <translation>Детальные текстуры делают текстуры чётче и подробнее. Выключение экономит оперативную память, потому что поддержка детальных текстур отключается.</translation>
    </message>
    <message>
        <source>Reflective textures can have a performance impact, so turn this off if you need FPS. If you like the reflecting glasses of the L337 KR3W, you can leave this on.</source>
        <translation>Отражающие текстуры могут снижать производительность, так что выключите их, если вам нужен FPS. Если вам нравятся зеркальные очки L337 KR3W, можете оставить их включёнными.</translation>
    </message>
    <message>
        <source>Intel develloped MMX a couple of years ago, and HL should detect it if your CPU supports it. Unfortuneatly HL doesn&apos;t detect it properly. MMX can gain you up to 10 FPS and nowadays almost all CPU&apos;s support it, so turn it on!</source>
        <translation>Intel разработала MMX несколько лет назад, и предполагается, что HL сама определит эту технологию, если ваш процессор её поддерживает. К сожалению, HL определяет её неправильно. MMX может добавить до 10 FPS, а сейчас её поддерживают почти все процессоры, так что включайте!</translation>
    </message>
    <message>
        <source>If you really need FPS, you can turn off blood. This is not the blood on the walls but rather the blood you see coming out of a player when you make a headshot. I wouldn&apos;t turn this off because it adds to the game experience.</source>
        <translation>Если вам очень нужен FPS, можно выключить кровь. Речь не о крови на стенах, а о крови, которая брызжет из игрока, когда вы делаете хедшот. Я бы не стал её выключать: с ней игра атмосфернее.</translation>
    </message>
    <message>
        <source>In some mods exploded players look like little meatchunks on the ground. They are called gibs. You can remove them by turning this command off.</source>
        <translation>В некоторых модах взорванные игроки разлетаются по земле кусками мяса. Их называют ошмётками (gibs). Выключив эту команду, их можно убрать.</translation>
    </message>
    <message>
        <source>You can make HL load all necessary files before joining a game, it might make your connection times a little longer but it can seriously improve performance because HL won&apos;t have to load models and textures when you first see them.</source>
        <translation>Можно заставить HL загружать все нужные файлы перед входом в игру. Подключение может стать немного дольше, зато производительность может заметно вырасти: HL не придётся загружать модели и текстуры в тот момент, когда вы впервые их видите.</translation>
    </message>
    <message>
        <source>If you&apos;re having trouble joining games in steam, you can turn on lazy precache. Lazy precache will make sure you join a game (no timeouts), and only download/install the &apos;security modules&apos; once per server.</source>
        <translation>Если у вас проблемы со входом на серверы в Steam, включите ленивую предзагрузку. С ней вы гарантированно войдёте в игру (без таймаутов), а «модули безопасности» будут скачиваться и устанавливаться только один раз для каждого сервера.</translation>
    </message>
    <message>
        <source>Day of Defeat has its own dynamic lighting, you can turn it off to improve performance but it might cause some decal-artifacts.</source>
        <translation>В Day of Defeat есть собственное динамическое освещение. Его можно выключить ради производительности, но тогда могут появиться артефакты декалей.</translation>
    </message>
    <message>
        <source>Counter-Strike has new cartoon-like shadows beneath players. If you don&apos;t like them or want more FPS, turn them off.</source>
        <translation>В Counter-Strike под игроками появились новые «мультяшные» тени. Если они вам не нравятся или нужно больше FPS, выключите их.</translation>
    </message>
    <message>
        <source>Turning this on will make CS load only 4 player models into your memory instead of 10. You will only be able to see L337 KR3W, GIGN, Hostage and VIP player models, thus improving performance.</source>
        <translation>Если включить, CS будет загружать в память только 4 модели игроков вместо 10. Вы будете видеть только модели L337 KR3W, GIGN, заложника и VIP, и производительность вырастет.</translation>
    </message>
    <message>
        <source>If you have an Areal 3D supported soundcard, turn this on for better 3D sound! If you don&apos;t, leave this off because it will impair performance. If you have A3D and EAX support, turn A3D on an leave EAX off because A3D is just so much better than EAX.</source>
        <translation>Если ваша звуковая карта поддерживает Aureal 3D, включите это для лучшего объёмного звука! Если нет, оставьте выключенным, иначе упадёт производительность. Если поддерживаются и A3D, и EAX, включите A3D, а EAX оставьте выключенным: A3D намного лучше EAX.</translation>
    </message>
    <message>
        <source>If you don&apos;t have A3D, but you do have EAX support, turn this on. It will improve your 3D sound but lower your FPS a little bit unless you have a good soundcard.</source>
        <translation>Если A3D у вас нет, но есть поддержка EAX, включите это. Объёмный звук станет лучше, но FPS немного снизится, если только у вас не хорошая звуковая карта.</translation>
    </message>
    <message>
        <source>You can hear echo background noises if you turn this on. This can happen when a grenade explodes in a small room or hallway. Sometimes, turning this on makes HL think you need background echo noises all over the map. I suggest you leave this off.</source>
        <translation>Если включить, будет слышно фоновое эхо. Так бывает, когда граната взрывается в небольшой комнате или коридоре. Иногда при включённой опции HL решает, что фоновое эхо нужно по всей карте. Советую оставить выключенным.</translation>
    </message>
    <message>
        <source>Using DirectSound for your VoiceComm may make sound quality better, but it lowers performance and can cause soundartifacts if you don&apos;t have enough FPS.</source>
        <translation>DirectSound для голосовой связи может улучшить качество звука, но снижает производительность и может давать звуковые артефакты, если FPS не хватает.</translation>
    </message>
    <message>
        <source>Video Mode Dependant</source>
        <translation>Зависит от видеорежима</translation>
    </message>
    <message>
        <source>If you play in Direct3D, &apos;Trilinear: Medium&apos; mode will improve performance the most. If you play in OpenGL &apos;Bilinear: Medium&apos; will gain you max FPS. With this setting you can select the way HL filters textures, Trilinear filtering looks better than Bilinear.</source>
        <translation>Если вы играете в Direct3D, больше всего производительности даст режим «Трилинейная средняя». В OpenGL максимальный FPS даст «Билинейная средняя». Эта настройка выбирает, как HL фильтрует текстуры; трилинейная фильтрация выглядит лучше билинейной.</translation>
    </message>
    <message>
        <source>Very Small</source>
        <translation>Очень малый</translation>
    </message>
    <message>
        <source>Set the maximum texture size with this command, the lower it is, the more RAM you save. &apos;Very Small&apos; makes some textures look very repetetive on large objects. &apos;Small&apos; improves performance without noticing any difference in graphics.</source>
        <translation>Эта команда задаёт максимальный размер текстур: чем он меньше, тем больше экономится оперативной памяти. При значении «Очень малый» некоторые текстуры на больших объектах выглядят очень однообразно. «Малый» повышает производительность без заметной разницы в графике.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкое</translation>
    </message>
    <message>
        <source>Setting this to Very Low will make the &apos;Texture Quality&apos; (see below) slightly worse. Setting it any higher than low will allow for the textures to be rendered more accurately, though this is not advisable, because you probably won&apos;t notice much of a difference.</source>
        <translation>Значение «Очень низкое» немного ухудшает «Качество текстур» (см. ниже). Значения выше «Низкое» позволяют отрисовывать текстуры точнее, но это не рекомендуется: особой разницы вы, скорее всего, не заметите.</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>This setting can reduce texture quality. Setting this to &apos;Low&apos; makes your Hit Points almost unreadable. &apos;Medium&apos; is the best way to go here if you need FPS.</source>
        <translation>Эта настройка может снизить качество текстур. При значении «Низкое» ваше здоровье (HP) почти невозможно прочитать. Если нужен FPS, лучше всего выбрать «Среднее».</translation>
    </message>
    <message>
        <source>This command does the same as &apos;Texture Quality&apos;, only it does it for the player models. You don&apos;t really see any change in graphics with this on &apos;Low&apos; or &apos;Perfect&apos;, but set it to &apos;Low&apos; just so you know you might gain a few FPS.</source>
        <translation>Эта команда делает то же, что и «Качество текстур», но для моделей игроков. Между «Низкое» и «Идеальное» разницы в графике почти не видно, так что ставьте «Низкое» и получите несколько лишних FPS.</translation>
    </message>
    <message>
        <source>Sprites are things like gas from a smokegrenade, explosions, ... . You can change the way they Look with this command, &apos;Low&apos; makes gas look very dark and thin, &apos;Medium&apos; looks a bit like &apos;Perfect&apos;, which is white and whispy.</source>
        <translation>Спрайты — это, например, дым от дымовой гранаты, взрывы и т. п. Эта команда меняет их вид: при «Низкое» дым выглядит очень тёмным и жидким, а «Среднее» похоже на «Идеальное», где дым белый и клубящийся.</translation>
    </message>
    <message>
        <source>Two Line Switch</source>
        <translation>Чередование 2 строк</translation>
    </message>
    <message>
        <source>When you see a grenade exploding, you actually see an animated image. You can select how much lines of this image are drawn, the less lines, the more time your computer has for other rendering. &apos;Two Line Switch&apos; means the image loses 1 line every 2 lines. This command does not have any effect on newer video cards.</source>
        <translation>Взрыв гранаты, который вы видите, на самом деле анимированное изображение. Можно выбрать, сколько строк этого изображения рисовать: чем меньше строк, тем больше времени у компьютера остаётся на остальную отрисовку. «Чередование 2 строк» означает, что из каждых 2 строк изображения теряется 1. На новых видеокартах эта команда ни на что не влияет.</translation>
    </message>
    <message>
        <source>ATi video cards have a feature to make player/weapon models rounder. This effect makes some models look too round, and if it does, you can change the level of rounding. If you need more FPS, you can turn this feature off even if you don&apos;t have an ATi card.</source>
        <translation>У видеокарт ATi есть функция, которая делает модели игроков и оружия более округлыми. Из-за неё некоторые модели выглядят слишком круглыми; в таком случае можно изменить уровень скругления. Если нужно больше FPS, эту функцию можно выключить, даже если у вас не карта ATi.</translation>
    </message>
    <message>
        <source>No Head Icons</source>
        <translation>Без значков</translation>
    </message>
    <message>
        <source>In Day of Defeat you see icons above players&apos; heads. There are 3 settings for those icons: &apos;No Head Icons&apos; remove the icons and improve performance, &apos;Crosshair&apos; means you only see icons above players who you&apos;re aiming at and &apos;Everyone&apos; means all players have head icons.</source>
        <translation>В Day of Defeat над головами игроков видны значки. Для них есть 3 режима: «Без значков» убирает значки и повышает производительность, «По прицелу» показывает значки только над игроками, в которых вы целитесь, а «У всех» показывает значки над головами всех игроков.</translation>
    </message>
    <message>
        <source>No Effects</source>
        <translation>Без эффектов</translation>
    </message>
    <message>
        <source>Day of Defeat supports special particle effects, which are used in explosions and mist. &apos;No Effects&apos; improves performance but lowers graphical quality. &apos;Some Effects&apos; remove some effects, but the most important ones will still be displayed.</source>
        <translation>Day of Defeat поддерживает особые эффекты частиц, которые используются во взрывах и тумане. «Без эффектов» повышает производительность, но ухудшает графику. «Часть эффектов» убирает некоторые эффекты, но самые важные по-прежнему отображаются.</translation>
    </message>
    <message>
        <source>No Weather</source>
        <translation>Без погоды</translation>
    </message>
    <message>
        <source>Some maps like de_aztec have weather effects, which can be set to different levels. If you need more performance, select &apos;No Weather&apos;. &apos;Hurricane&apos; and &apos;Storm&apos; are stronger than the default &apos;Light Rain&apos;.</source>
        <translation>На некоторых картах, например de_aztec, есть погодные эффекты, силу которых можно выбрать. Если нужна производительность, выберите «Без погоды». «Ураган» и «Буря» сильнее, чем «Лёгкий дождь» по умолчанию.</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Уровень 1</translation>
    </message>
    <message>
        <source>Cheating-Death has a command to change the amount of visual tests it performs. This can have a perfomance impact on your computer if you use C-D. Change it to &apos;Level 1&apos; to minimize the amount of tests done by C-D.</source>
        <translation>В Cheating-Death есть команда, которая меняет количество проверок видимости. Если вы играете с C-D, это может сказываться на производительности компьютера. Выберите «Уровень 1», чтобы C-D выполнял как можно меньше проверок.</translation>
    </message>
    <message>
        <source>0.1</source>
        <translation>0.1</translation>
    </message>
    <message>
        <source>You can determine the amount of time that goes by before the dead bodies &apos;sink&apos; (or fade) in the ground. Typing 1 here will make corpses sink in the ground almost immediately after they&apos;re killed. Type 0 to make the corpses stay indefinetly.</source>
        <translation>Здесь можно задать время, через которое трупы «проваливаются» в землю (или растворяются). Если ввести 1, трупы будут уходить в землю почти сразу после смерти. Введите 0, чтобы трупы лежали бесконечно.</translation>
    </message>
    <message>
        <source>Here you can determine the maximum filesize for custom.hpk, in megabytes. Custom.hpk is an almost useless file which is loaded into your RAM every time you play Half-Life. Type 0 for an infinite filesize.</source>
        <translation>Здесь можно задать максимальный размер файла custom.hpk в мегабайтах. Файл custom.hpk почти бесполезен, а загружается в оперативную память при каждом запуске Half-Life. Введите 0, чтобы размер файла не ограничивался.</translation>
    </message>
    <message>
        <source>When you shoot at a wall in DoD, you can see little wall shards. They really impair performance if there&apos;s a lot of shooting at walls. Setting this command to 1 will show almost no shards. Type 0 for an infinite maximum amount of shards.</source>
        <translation>Когда вы стреляете по стене в DoD, от неё летят мелкие осколки. Если по стенам много стреляют, они сильно снижают производительность. При значении 1 осколков почти не будет. Введите 0, чтобы количество осколков не ограничивалось.</translation>
    </message>
    <message>
        <source>This command affects the amount of rubble you can see after/during an explosion in DoD. Rubble is like gibs, and can impair performance if there is too much of it.Type 0 for an infinite maximum amount rubble.</source>
        <translation>Эта команда задаёт количество обломков, которые видны во время и после взрыва в DoD. Обломки похожи на ошмётки и, если их слишком много, снижают производительность. Введите 0, чтобы количество обломков не ограничивалось.</translation>
    </message>
    <message>
        <source>When you fire a gun in CS, you can see an empty shell coming out of it. With this setting you can choose to be a regular Max Payne with a Para, or if you need FPS set it to 1. Type 0 for an infinite maximum amount of shells.</source>
        <translation>Когда вы стреляете в CS, из оружия вылетают пустые гильзы. С этой настройкой можно почувствовать себя настоящим Максом Пейном с пулемётом M249 или, если нужен FPS, поставить 1. Введите 0, чтобы количество гильз не ограничивалось.</translation>
    </message>
    <message>
        <source>When you shoot at a wall in CS, you can see &apos;smoke&apos; near the wall. Set this to 1 to display almost no smokepuffs, thus improving performance.</source>
        <translation>Когда вы стреляете по стене в CS, возле неё появляется «дымок». Установите 1, чтобы облачков дыма почти не было, и производительность вырастет.</translation>
    </message>
    <message>
        <source>You can turn clientside prediction on or off with this command. Do not turn this off unless you are playing on a LAN.</source>
        <translation>Эта команда включает или выключает клиентское предсказание. Не выключайте его, если только не играете по LAN.</translation>
    </message>
    <message>
        <source>When you click, you fire immediately. In reality you fire a bit later, depending on how much ping you have. If you&apos;re playing on a LAN you can turn the weapon fire prediction off, otherwise leave it on.</source>
        <translation>Когда вы нажимаете кнопку, выстрел происходит сразу. На самом деле вы стреляете чуть позже, в зависимости от вашего пинга. Если вы играете по LAN, предсказание стрельбы можно выключить, иначе оставьте его включённым.</translation>
    </message>
    <message>
        <source>When you hit a player, he immediately spurts some blood. In reality this happens a bit later, depending on how much ping you have. If you&apos;re playing on a LAN you can turn the direct hit prediction off, otherwise, leave it on.</source>
        <translation>Когда вы попадаете в игрока, из него сразу брызжет кровь. На самом деле это происходит чуть позже, в зависимости от вашего пинга. Если вы играете по LAN, предсказание попаданий можно выключить, иначе оставьте его включённым.</translation>
    </message>
    <message>
        <source>With this command you can turn lag compensation on or off. Again, don&apos;t turn this off unless you are playing  on a LAN. Lag compensation helps people with high pings and low pings to see the same things at the same time.</source>
        <translation>Эта команда включает или выключает компенсацию лагов. Опять же, не выключайте её, если только не играете по LAN. Компенсация лагов помогает игрокам с высоким и низким пингом видеть одно и то же в одно и то же время.</translation>
    </message>
    <message>
        <source>Downloading in-game means that you keep downloading decals/sounds (e.g. custom sprays) after you&apos;ve connected. If that happens during a heavy firefight, you might experiencemore lag than normal. Turn this off to prohibit that from happening.</source>
        <translation>Загрузка в игре означает, что после подключения вы продолжаете скачивать декали и звуки (например, чужие спреи). Если это происходит во время жаркой перестрелки, лагов может быть больше обычного. Выключите, чтобы этого не происходило.</translation>
    </message>
    <message>
        <source>If you have your own custom spray or if you spray alot, don&apos;t turn this off. Connection times will be reduced by a small margin if you do turn this command off because you won&apos;t upload your spraypaint image.</source>
        <translation>Если у вас есть свой спрей или вы часто его ставите, не выключайте эту опцию. Если выключить, подключение станет немного быстрее, потому что ваш спрей не будет отправляться на сервер.</translation>
    </message>
    <message>
        <source>Connection Dependant</source>
        <translation>Зависит от соединения</translation>
    </message>
    <message>
        <source>Maximum amount of bytes that can be received from server in a second. Setting this value too high/low will cause choke. It is said the max value of this setting is 20000. Quarvel calculates this value for you.</source>
        <translation>Максимальное количество байт, которое можно получить от сервера за секунду. Слишком высокое или слишком низкое значение вызывает choke. Считается, что максимум для этой настройки — 20000. Quarvel рассчитывает это значение за вас.</translation>
    </message>
    <message>
        <source>Number of updates the client will request from the server each second. If you are getting choke, lower this value until you have none. You can view your choke by typing &apos;net_graph 3&apos; in console. You should only set this value to 100 if you are playing on a LAN. Quarvel calculates this value for you.</source>
        <translation>Количество обновлений в секунду, которое клиент запрашивает у сервера. Если появляется choke, уменьшайте значение, пока он не пропадёт. Посмотреть choke можно, набрав в консоли «net_graph 3». Значение 100 стоит ставить, только если вы играете по LAN. Quarvel рассчитывает это значение за вас.</translation>
    </message>
    <message>
        <source>Number of decals that are allowed on your screen at one time. Once the number is hit, it starts &apos;deleting&apos; the previous marks from your screen. Bullet holes, blood stains, grenade explosion marks, and countless other things count as decals. It is best to have a number under 100; the higher the number the more impact on FPS.</source>
        <translation>Количество декалей, которые могут одновременно быть на экране. Когда их становится столько, старые следы начинают «стираться» с экрана. Декали — это дыры от пуль, пятна крови, следы взрывов гранат и множество другого. Лучше держать значение меньше 100: чем оно выше, тем сильнее страдает FPS.</translation>
    </message>
    <message>
        <source>Maximum amount of bytes that can be sent to a server in a second. CS likes to reset this command back to 9999 if you change it, but let Quarvel try and set it to its correct value anyway.</source>
        <translation>Максимальное количество байт, которое можно отправить на сервер за секунду. CS любит сбрасывать эту команду обратно на 9999, если её изменить, но пусть Quarvel всё равно попробует установить правильное значение.</translation>
    </message>
    <message>
        <source>Number of times per second that the client will update the server. This command affects ping, recoil, and a really low value may affect voicecomm quality. Quarvel calculates this value for you.</source>
        <translation>Сколько раз в секунду клиент отправляет обновления серверу. Эта команда влияет на пинг и отдачу оружия, а слишком низкое значение может ухудшить качество голосовой связи. Quarvel рассчитывает это значение за вас.</translation>
    </message>
    <message>
        <source>Use free bandwidth to send duplicated commands (cl_cmdrate) in case they get lost. The greater this value, the more bandwith you need to send the duplicate commands. If you have a bad connection, set this value higher, if you have high upload bandwith, you can also set this higher.</source>
        <translation>Свободная часть канала используется для отправки дублей команд (cl_cmdrate) на случай, если они потеряются. Чем больше значение, тем шире канал нужен для отправки дублей. Если у вас плохое соединение, увеличьте значение; при высокой исходящей скорости его тоже можно увеличить.</translation>
    </message>
    <message>
        <source>If you have enough bandwith (read: downloadcapacity), you don&apos;t have to turn this off.If you do turn this off, you won&apos;t hear other people through the microphone. You won&apos;t be able to a microphone yourself aswell. Turning this off will reduce lag and increase FPS on older computers.</source>
        <translation>Если у вас достаточно широкий канал (читай: высокая входящая скорость), выключать это не нужно. Если выключить, вы не будете слышать других игроков через микрофон и сами не сможете говорить в микрофон. Выключение уменьшит лаги и повысит FPS на старых компьютерах.</translation>
    </message>
    <message>
        <source>Performance: %1<byte value="xd"/>
Command: %2<byte value="xd"/>
%3</source>
        <translation>Для производительности: %1<byte value="xd"/>
Команда: %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Vertical sync makes the game wait for your screen before it shows a frame. Today&apos;s game has it on since 2013, and while it is on and FPS Override is off the frame rate stays at 100 at most. Turn it off for more FPS.</source>
        <translation>Вертикальная синхронизация заставляет игру ждать экран, прежде чем показать кадр. В современной игре она включена с 2013 года, и пока она включена, а «Снятие ограничения FPS» выключено, частота кадров не превышает 100. Выключите её ради большего FPS.</translation>
    </message>
    <message>
        <source>Raw input reads your mouse directly, without the mouse acceleration of Windows. Today&apos;s game has it on unless you turn it off.</source>
        <translation>Прямой ввод читает мышь напрямую, без ускорения мыши Windows. В современной игре он включён, если его не выключить.</translation>
    </message>
    <message>
        <source>Servers can send commands that change your settings. Turn this on to keep them from changing your cl_, gl_, r_, m_ and hud_ settings, rate, fps_max and ex_interp.</source>
        <translation>Серверы могут присылать команды, которые меняют ваши настройки. Включите это, чтобы они не могли менять ваши настройки cl_, gl_, r_, m_ и hud_, а также rate, fps_max и ex_interp.</translation>
    </message>
    <message>
        <source>0.01</source>
        <translation>0.01</translation>
    </message>
    <message>
        <source>How far back in time, in seconds, the game shows other players so that they move smoothly; 0.1 unless you change it. Today&apos;s game keeps it between 1/cl_updaterate and 0.1, so 0.01 gives the shortest delay your update rate allows.</source>
        <translation>На сколько секунд в прошлом игра показывает других игроков, чтобы они двигались плавно; 0.1, если не менять. Современная игра держит это значение между 1/cl_updaterate и 0.1, поэтому 0.01 даёт наименьшую задержку, которую позволяет ваша частота обновлений.</translation>
    </message>
    <message>
        <source>In multiplayer today&apos;s game is believed to force gl_clear to 0.</source>
        <translation>Считается, что в сетевой игре современная игра принудительно ставит gl_clear в 0.</translation>
    </message>
    <message>
        <source>Today&apos;s game renamed gl_ztrick to gl_ztrick_old in 2013 and no longer knows the old name, so Quarvel does not write it.</source>
        <translation>В 2013 году современная игра переименовала gl_ztrick в gl_ztrick_old и больше не знает старого имени, поэтому Quarvel его не записывает.</translation>
    </message>
    <message>
        <source>Today&apos;s game is believed to take r_detailtexturessupported in single player only and to refuse it in multiplayer.</source>
        <translation>Считается, что современная игра принимает r_detailtexturessupported только в одиночной игре и отвергает в сетевой.</translation>
    </message>
    <message>
        <source>Today&apos;s game accepts r_mmx, but never reads it.</source>
        <translation>Современная игра принимает r_mmx, но никогда его не читает.</translation>
    </message>
    <message>
        <source>Today&apos;s game removed A3D sound in 2013: it accepts s_a3d, which has no effect.</source>
        <translation>В 2013 году современная игра убрала звук A3D: она принимает s_a3d, но это ни на что не влияет.</translation>
    </message>
    <message>
        <source>Today&apos;s game removed EAX sound in 2013: it accepts s_eax, which has no effect.</source>
        <translation>В 2013 году современная игра убрала звук EAX: она принимает s_eax, но это ни на что не влияет.</translation>
    </message>
    <message>
        <source>Today&apos;s game accepts gl_playermip, but never reads it.</source>
        <translation>Современная игра принимает gl_playermip, но никогда его не читает.</translation>
    </message>
    <message>
        <source>In multiplayer today&apos;s game keeps gl_max_size at 256 or more, and above 512 textures may fail to load.</source>
        <translation>В сетевой игре современная игра держит gl_max_size не ниже 256, а выше 512 текстуры могут не загрузиться.</translation>
    </message>
    <message>
        <source>Today&apos;s game is believed to use d_spriteskip in its software renderer only and to force it to 0 in multiplayer.</source>
        <translation>Считается, что современная игра использует d_spriteskip только в программном рендере и принудительно ставит его в 0 в сетевой игре.</translation>
    </message>
    <message>
        <source>Today&apos;s game accepts ati_npatch and ati_subdiv, but never reads them.</source>
        <translation>Современная игра принимает ati_npatch и ati_subdiv, но никогда их не читает.</translation>
    </message>
    <message>
        <source>Today&apos;s game is believed to read hpk_maxsize in megabytes, where 0 means no limit.</source>
        <translation>Считается, что современная игра читает hpk_maxsize в мегабайтах, а 0 означает отсутствие предела.</translation>
    </message>
    <message>
        <source>Today&apos;s game sets voice_modenable back to 1 whenever you talk.</source>
        <translation>Современная игра снова ставит voice_modenable в 1 всякий раз, когда вы говорите.</translation>
    </message>
    <message>
        <source>Today&apos;s game resets cl_rate on every connection.</source>
        <translation>Современная игра сбрасывает cl_rate при каждом подключении.</translation>
    </message>
    <message>
        <source>1 with FPS Limit above 100</source>
        <translation>1 при пределе FPS выше 100</translation>
    </message>
    <message>
        <source>Today&apos;s game caps the frame rate at 100 (it shows as 100.5). Turning this on lifts the cap, so that FPS Limit can be set higher. The High FPS preset keeps it off with FPS Limit at 100, where the game&apos;s movement is as intended; Die Hard FPS turns it on with FPS Limit at 200.</source>
        <translation>Современная игра ограничивает частоту кадров значением 100 (показывается как 100.5). Если включить это, ограничение снимается и предел FPS можно поставить выше. Пресет «Высокий FPS» оставляет это выключенным с пределом FPS 100, при котором движение в игре работает как задумано; «Хардкорный FPS» включает это с пределом FPS 200.</translation>
    </message>
    <message>
        <source>The highest frame rate the game draws, 100 unless you change it. Above 100 it needs FPS Override turned on. The game&apos;s movement differs at frame rates that are not 1000 divided by a whole number, so pick one that is, such as 100, 125, 200, 250 or 500. The High FPS preset keeps 100; Die Hard FPS sets 200 and turns FPS Override on.</source>
        <translation>Наибольшая частота кадров, которую рисует игра; 100, если её не менять. Выше 100 нужно включить снятие ограничения FPS. Движение в игре отличается при частотах, которые не равны 1000, делённому на целое число, поэтому выберите такую, например 100, 125, 200, 250 или 500. Пресет «Высокий FPS» оставляет 100; «Хардкорный FPS» ставит 200 и включает снятие ограничения FPS.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Another Quarvel is changing %1; try again when it is done.</source>
        <translation>Другой Quarvel сейчас изменяет %1; повторите, когда он закончит.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed, but its safety copy &quot;%2&quot; could not be deleted: %3.</source>
        <translation>«%1» изменён, но его страховую копию «%2» не удалось удалить: %3.</translation>
    </message>
    <message>
        <source>Could not sync the folder &quot;%1&quot;: %2.</source>
        <translation>Не удалось сбросить на диск папку «%1»: %2.</translation>
    </message>
    <message>
        <source>The tweaks were installed, but the change may not survive a power cut</source>
        <translation>Твики установлены, но изменение может не пережить отключение питания</translation>
    </message>
    <message>
        <source>quarvel.cfg was written, but %1 does not run it</source>
        <translation>quarvel.cfg записан, но %1 его не выполняет</translation>
    </message>
    <message>
        <source>quarvel.cfg was written, but neither %1 nor %2 runs it</source>
        <translation>quarvel.cfg записан, но его не выполняет ни %1, ни %2</translation>
    </message>
    <message>
        <source>The tweaks were removed, but the change may not survive a power cut</source>
        <translation>Твики удалены, но изменение может не пережить отключение питания</translation>
    </message>
    <message>
        <source>Nothing runs quarvel.cfg any more, but it was kept</source>
        <translation>quarvel.cfg больше ничем не выполняется, но сам файл остался</translation>
    </message>
    <message>
        <source>%1 no longer runs quarvel.cfg, but %2 still does and quarvel.cfg was kept</source>
        <translation>%1 больше не выполняет quarvel.cfg, но %2 всё ещё выполняет, и quarvel.cfg остался</translation>
    </message>
    <message>
        <source>Its old content is kept in &quot;%1&quot;.</source>
        <translation>Его прежнее содержимое сохранено в «%1».</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation>Не удалось прочитать «%1»: %2.</translation>
    </message>
    <message>
        <source>Could not update &quot;%1&quot;: %2.</source>
        <translation>Не удалось обновить «%1»: %2.</translation>
    </message>
    <message>
        <source>Could not remove &quot;%1&quot;: %2.</source>
        <translation>Не удалось удалить «%1»: %2.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2.</source>
        <translation>Не удалось записать «%1»: %2.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>он защищён от записи</translation>
    </message>
    <message>
        <source>it is a symbolic link that belongs to another user</source>
        <translation>это символическая ссылка другого пользователя</translation>
    </message>
    <message>
        <source>it is in use by another program</source>
        <translation>он занят другой программой</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, more than any config the game runs</source>
        <translation>он больше %1 МиБ, а таких больших конфигов игра не запускает</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>Could not check &quot;%1&quot;: %2.</source>
        <translation>Не удалось проверить «%1»: %2.</translation>
    </message>
    <message>
        <source>Close the game first: it saves its settings when it quits</source>
        <translation>Сначала закройте игру: она сохраняет свои настройки при выходе</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made: %2. The tweaks were installed, but Remove cannot put back the settings the game saves from quarvel.cfg.</source>
        <translation>Не удалось создать «%1»: %2. Твики установлены, но удаление не сможет вернуть настройки, которые игра сохранит из quarvel.cfg.</translation>
    </message>
    <message>
        <source>quarvel-restore.cfg was written, but nothing else was changed</source>
        <translation>quarvel-restore.cfg записан, но больше ничего не изменено</translation>
    </message>
    <message>
        <source>The tweaks were installed, but %1 still runs them</source>
        <translation>Твики установлены, но %1 всё ещё запускает их</translation>
    </message>
    <message>
        <source>config.cfg has its settings from before the install back, but nothing else was changed yet</source>
        <translation>В config.cfg возвращены настройки, бывшие до установки, но больше ничего пока не изменено</translation>
    </message>
    <message>
        <source>The tweaks were removed, but quarvel-restore.cfg was kept</source>
        <translation>Твики удалены, но quarvel-restore.cfg остался</translation>
    </message>
    <message>
        <source>config.cfg has its settings from before the install back and nothing runs quarvel.cfg any more, but it was kept with its record</source>
        <translation>В config.cfg возвращены настройки, бывшие до установки, и quarvel.cfg больше ничто не запускает, но он сохранён вместе со своей записью</translation>
    </message>
    <message>
        <source>config.cfg has its settings from before the install back, but %1 still runs quarvel.cfg, which was kept with its record</source>
        <translation>В config.cfg возвращены настройки, бывшие до установки, но %1 всё ещё запускает quarvel.cfg, который сохранён вместе со своей записью</translation>
    </message>
    <message>
        <source>userconfig.cfg now runs quarvel.cfg, but the change may not survive a power cut</source>
        <translation>userconfig.cfg теперь запускает quarvel.cfg, но изменение может не пережить отключение питания</translation>
    </message>
    <message>
        <source>it would be larger than %1 MiB after the change, more than any config the game runs</source>
        <translation>после изменения он был бы больше %1 МиБ — больше любого конфига, который выполняет игра</translation>
    </message>
</context>
<context>
    <name>GameVersion</name>
    <message>
        <source>Classic game (before 2013)</source>
        <translation>Классическая игра (до 2013 года)</translation>
    </message>
    <message>
        <source>Today&apos;s Steam game</source>
        <translation>Современная игра в Steam</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Are you sure you want to overwrite your Quarvel Tweaks ?</source>
        <translation>Вы уверены, что хотите перезаписать твики Quarvel?</translation>
    </message>
    <message>
        <source>Quarvel config tweaks have been installed in %1!<byte value="xd"/>
<byte value="xd"/>
INSTRUCTIONS:<byte value="xd"/>
Play CS, you do not have to start QVL anymore. If want to check if the tweaks work, open your Console in CS, it should say Quarvel loaded.</source>
        <translation>Твики Quarvel установлены в %1!<byte value="xd"/>
<byte value="xd"/>
ИНСТРУКЦИЯ:<byte value="xd"/>
Играйте в CS, запускать QVL больше не нужно. Чтобы проверить, работают ли твики, откройте консоль в CS: там должно появиться сообщение о загрузке Quarvel.</translation>
    </message>
    <message>
        <source>No Quarvel tweaks were installed in %1; nothing has changed.</source>
        <translation>В %1 твики Quarvel не установлены; ничего не изменено.</translation>
    </message>
    <message>
        <source>The Quarvel tweaks have been removed from %1:</source>
        <translation>Твики Quarvel удалены из %1:</translation>
    </message>
    <message>
        <source>quarvel.cfg has been deleted.</source>
        <translation>quarvel.cfg удалён.</translation>
    </message>
    <message>
        <source>%1 no longer runs quarvel.cfg.</source>
        <translation>%1 больше не запускает quarvel.cfg.</translation>
    </message>
    <message>
        <source>%1 still runs quarvel.cfg with a line of the player&apos;s own, which was left as it is.</source>
        <translation>%1 по-прежнему запускает quarvel.cfg собственной строкой игрока; она оставлена как есть.</translation>
    </message>
    <message>
        <source>%1 was left alone: it is not a regular file Quarvel may change, so no install put a line into it.</source>
        <translation>%1 не тронут: это не обычный файл, который Quarvel может менять, поэтому установка не добавляла в него строку.</translation>
    </message>
    <message>
        <source>This folder holds no %1: it does not look like a game folder</source>
        <translation>В этой папке нет %1: она не похожа на папку игры</translation>
    </message>
    <message>
        <source>The game is running: the tweaks apply from its next start.</source>
        <translation>Игра запущена: твики подействуют со следующего запуска.</translation>
    </message>
    <message>
        <source>quarvel-restore.cfg line %1 was not used: it is no line Quarvel writes (%2).</source>
        <translation>Строка %1 файла quarvel-restore.cfg не использована: Quarvel не пишет таких строк (%2).</translation>
    </message>
    <message>
        <source>quarvel-restore.cfg line %1 was not used: Quarvel writes no such setting (%2).</source>
        <translation>Строка %1 файла quarvel-restore.cfg не использована: Quarvel не пишет такой настройки (%2).</translation>
    </message>
    <message>
        <source>quarvel-restore.cfg line %1 was not used: its value cannot stand as one word of config.cfg (%2).</source>
        <translation>Строка %1 файла quarvel-restore.cfg не использована: её значение не может стоять в config.cfg одним словом (%2).</translation>
    </message>
    <message>
        <source>quarvel-restore.cfg line %1 was not used: an earlier line records that setting already (%2).</source>
        <translation>Строка %1 файла quarvel-restore.cfg не использована: эта настройка уже записана в строке выше (%2).</translation>
    </message>
    <message>
        <source>config.cfg was left as it is: there is no record of your settings from before the install (quarvel-restore.cfg), so the settings the game saved from quarvel.cfg could not be put back.</source>
        <translation>config.cfg оставлен как есть: записи ваших настроек до установки (quarvel-restore.cfg) нет, поэтому настройки, сохранённые игрой из quarvel.cfg, вернуть нельзя.</translation>
    </message>
    <message>
        <source>config.cfg was left as it is, with the settings the game saved from quarvel.cfg.</source>
        <translation>config.cfg оставлен как есть, с настройками, которые игра сохранила из quarvel.cfg.</translation>
    </message>
    <message>
        <source>config.cfg: 1 setting put back as it was before the install (%2).</source>
        <translation>config.cfg: 1 настройка возвращена к значению до установки (%2).</translation>
    </message>
    <message>
        <source>config.cfg: %1 settings put back as they were before the install (%2).</source>
        <translation>config.cfg: возвращено к значениям до установки настроек: %1 (%2).</translation>
    </message>
    <message>
        <source>config.cfg no longer sets %1, which no file set before the install: the game uses its own default again.</source>
        <translation>config.cfg больше не задаёт %1 — до установки это не задавал ни один файл: игра снова берёт своё значение по умолчанию.</translation>
    </message>
    <message>
        <source>config.cfg: 1 setting kept as you changed it since (%2).</source>
        <translation>config.cfg: 1 настройка оставлена, как вы её изменили после установки (%2).</translation>
    </message>
    <message>
        <source>config.cfg: %1 settings kept as you changed them since (%2).</source>
        <translation>config.cfg: оставлено, как вы их изменили после установки, настроек: %1 (%2).</translation>
    </message>
    <message>
        <source>%1 has been deleted: the install created it, and it held nothing else.</source>
        <translation>%1 удалён: его создала установка, и ничего другого в нём не было.</translation>
    </message>
    <message>
        <source>Remove the Quarvel tweaks from %1? quarvel.cfg is deleted and the line that runs it is taken out of autoexec.cfg and userconfig.cfg.</source>
        <translation>Удалить твики Quarvel из %1? quarvel.cfg будет удалён, а строка, которая его запускает, — убрана из autoexec.cfg и userconfig.cfg.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>High &amp;Quality</source>
        <translation>Высокое &amp;качество</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>По &amp;умолчанию</translation>
    </message>
    <message>
        <source>High &amp;FPS</source>
        <translation>&amp;Высокий FPS</translation>
    </message>
    <message>
        <source>Die &amp;Hard FPS</source>
        <translation>&amp;Хардкорный FPS</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Прокрутить влево</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Прокрутить вправо</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::AboutWindow</name>
    <message>
        <source>[Quarvel Works] About</source>
        <translation>[Quarvel Works] О программе</translation>
    </message>
    <message>
        <source>CLOSE THIS WINDOW</source>
        <translation>ЗАКРЫТЬ ЭТО ОКНО</translation>
    </message>
    <message>
        <source>Special thanks to [in no particular order]:</source>
        <translation>Особая благодарность [в произвольном порядке]:</translation>
    </message>
    <message>
        <source>Everyone who tested the beta versions and sent in frame rates from their own machines, the regulars of the Quarvel forums for their ideas and bug reports, the Counter-Strike and Day of Defeat community sites that spread the word, the makers of the Hi FPS model packs, and every clan that put these tweaks through their paces on a busy server.</source>
        <translation>Всем, кто тестировал бета-версии и присылал замеры FPS со своих компьютеров; завсегдатаям форумов Quarvel за идеи и сообщения об ошибках; сайтам сообществ Counter-Strike и Day of Defeat, которые рассказывали о программе; авторам наборов моделей Hi FPS и каждому клану, который как следует проверил эти твики на заполненном сервере.</translation>
    </message>
    <message>
        <source>QUARVEL WORKS</source>
        <translation>QUARVEL WORKS</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Поддержать проект</translation>
    </message>
    <message>
        <source>Design by:</source>
        <translation>Дизайн:</translation>
    </message>
    <message>
        <source>Programming by:</source>
        <translation>Программирование:</translation>
    </message>
    <message>
        <source>Quarvel changes only these files in the game directory you choose: it writes quarvel.cfg, adds the line that runs it to autoexec.cfg, and to userconfig.cfg when you choose to. Remove deletes quarvel.cfg, takes those lines out again and puts back in config.cfg the settings the game saved from quarvel.cfg, as they were before the install, keeping those you changed since. It comes without any warranty; you use it at your own risk. Half-Life, Counter-Strike, Day of Defeat and Team Fortress Classic are trademarks of their owners.</source>
        <translation>Quarvel меняет в выбранной папке игры только эти файлы: записывает quarvel.cfg, добавляет строку, которая его запускает, в autoexec.cfg, а по вашему выбору и в userconfig.cfg. Удаление стирает quarvel.cfg, убирает эти строки и возвращает в config.cfg настройки, которые игра сохранила из quarvel.cfg, такими, какими они были до установки, сохраняя те, что вы изменили с тех пор. Программа предоставляется без каких-либо гарантий; вы пользуетесь ею на свой страх и риск. Half-Life, Counter-Strike, Day of Defeat и Team Fortress Classic — товарные знаки их владельцев.</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::FolderChooser</name>
    <message>
        <source>The directory the tweaks will be installed in.</source>
        <translation>Папка, в которую будут установлены твики.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» не является папкой.</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::InstallWindow</name>
    <message>
        <source>Install Tweaks</source>
        <translation>Установить твики</translation>
    </message>
    <message>
        <source>Any changes made to the following code will be saved once you INSTALL the tweaks using Step 1 and 2.</source>
        <translation>Все изменения в этом коде сохранятся, когда вы УСТАНОВИТЕ твики (шаги 1 и 2).</translation>
    </message>
    <message>
        <source>CUSTOM CONFIG EDITING</source>
        <translation>РЕДАКТИРОВАНИЕ КОНФИГА</translation>
    </message>
    <message>
        <source>[Step 1]</source>
        <translation>[Шаг 1]</translation>
    </message>
    <message>
        <source>Please select the path to the game directory.</source>
        <translation>Выберите путь к папке игры.</translation>
    </message>
    <message>
        <source>Steam example:</source>
        <translation>Пример для Steam:</translation>
    </message>
    <message>
        <source>C:\Program Files\Steam\SteamApps\</source>
        <translation>C:\Program Files\Steam\SteamApps\</translation>
    </message>
    <message>
        <source>ACCOUNT@NAME</source>
        <translation>АККАУНТ@ИМЯ</translation>
    </message>
    <message>
        <source>\Counter-Strike\cstrike</source>
        <translation>\Counter-Strike\cstrike</translation>
    </message>
    <message>
        <source>Non-Steam example:</source>
        <translation>Пример без Steam:</translation>
    </message>
    <message>
        <source>C:\Sierra\Half-Life\cstrike</source>
        <translation>C:\Sierra\Half-Life\cstrike</translation>
    </message>
    <message>
        <source>Detected games:</source>
        <translation>Найденные игры:</translation>
    </message>
    <message>
        <source>Game directories found in your Steam libraries.</source>
        <translation>Папки игр, найденные в ваших библиотеках Steam.</translation>
    </message>
    <message>
        <source>Searching for games...</source>
        <translation>Поиск игр...</translation>
    </message>
    <message>
        <source>No games found</source>
        <translation>Игры не найдены</translation>
    </message>
    <message>
        <source>Choose a game...</source>
        <translation>Выберите игру...</translation>
    </message>
    <message>
        <source>[Step 2]</source>
        <translation>[Шаг 2]</translation>
    </message>
    <message>
        <source>Click on [Install Tweaks] once you have finished [Step 1].</source>
        <translation>Нажмите [Установить твики], когда закончите [Шаг 1].</translation>
    </message>
    <message>
        <source>&amp;Install Tweaks</source>
        <translation>&amp;Установить твики</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Install failed</source>
        <translation>Ошибка установки</translation>
    </message>
    <message>
        <source>Quarvel</source>
        <translation>Quarvel</translation>
    </message>
    <message>
        <source>Also run after the game&apos;s own settings (&amp;userconfig.cfg)</source>
        <translation>Запускать и после настроек самой игры (&amp;userconfig.cfg)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Проверить</translation>
    </message>
    <message>
        <source>Tells whether the tweaks in the folder are installed, run and held.</source>
        <translation>Показывает, установлены ли твики в этой папке, запускаются ли они и сохранились ли.</translation>
    </message>
    <message>
        <source>&amp;Remove Tweaks</source>
        <translation>&amp;Удалить твики</translation>
    </message>
    <message>
        <source>Deletes quarvel.cfg from the folder and the line that runs it from autoexec.cfg and userconfig.cfg.</source>
        <translation>Удаляет из папки quarvel.cfg, а из autoexec.cfg и userconfig.cfg — строку, которая его запускает.</translation>
    </message>
    <message>
        <source>Remove Tweaks</source>
        <translation>Удалить твики</translation>
    </message>
    <message>
        <source>Remove failed</source>
        <translation>Ошибка удаления</translation>
    </message>
    <message>
        <source>Check failed</source>
        <translation>Ошибка проверки</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Every mod folder of the game, such as cstrike or valve, holds %1. The game runs the tweaks only from there.</source>
        <translation>В каждой папке мода игры, например cstrike или valve, есть %1. Игра запускает твики только оттуда.</translation>
    </message>
    <message>
        <source>Install into %1</source>
        <translation>Установка в %1</translation>
    </message>
    <message>
        <source>Install into a folder that does not look like a game folder?</source>
        <translation>Установить в папку, которая не похожа на папку игры?</translation>
    </message>
    <message>
        <source>quarvel.cfg is already in %1.</source>
        <translation>В %1 уже есть quarvel.cfg.</translation>
    </message>
    <message>
        <source>Check of %1:</source>
        <translation>Проверка %1:</translation>
    </message>
    <message>
        <source>This folder lies in a Steam library, where Steam runs today&apos;s game, not the classic one.</source>
        <translation>Эта папка находится в библиотеке Steam, где Steam запускает современную игру, а не классическую.</translation>
    </message>
    <message>
        <source>&amp;Switch to today&apos;s Steam game</source>
        <translation>&amp;Перейти на современную игру в Steam</translation>
    </message>
    <message>
        <source>Sets the game version to today&apos;s Steam game and builds the script for it anew.</source>
        <translation>Выбирает версию игры «Современная игра в Steam» и заново составляет для неё скрипт.</translation>
    </message>
    <message>
        <source>Switch to today&apos;s Steam game</source>
        <translation>Перейти на современную игру в Steam</translation>
    </message>
    <message>
        <source>The script is built anew for today&apos;s Steam game, and your changes to it are lost. Switch?</source>
        <translation>Скрипт будет составлен заново для современной игры в Steam, и ваши изменения в нём пропадут. Перейти?</translation>
    </message>
    <message>
        <source>Your changes to the script have not been installed. Throw them away?</source>
        <translation>Ваши изменения в скрипте не установлены. Отбросить их?</translation>
    </message>
    <message>
        <source>The game runs config.cfg, the settings it saved at its last exit, after autoexec.cfg, and userconfig.cfg after that. Tick this when a tweak does not hold because the game saved another value. Unticked, an install takes Quarvel&apos;s line out of userconfig.cfg.</source>
        <translation>Игра выполняет config.cfg — настройки, сохранённые при последнем выходе, — после autoexec.cfg, а userconfig.cfg после него. Отметьте это, если твик не сохраняется, потому что игра сохранила другое значение. Без отметки установка убирает строку Quarvel из userconfig.cfg.</translation>
    </message>
    <message>
        <source>&amp;Run after the game&apos;s settings</source>
        <translation>&amp;Запускать и после настроек самой игры</translation>
    </message>
    <message>
        <source>To make them hold, &quot;%1&quot; makes userconfig.cfg run quarvel.cfg, which the game runs after config.cfg.</source>
        <translation>Чтобы настройки сохранялись, нужен флажок «%1»: с ним userconfig.cfg запускает quarvel.cfg, который игра выполняет после config.cfg.</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::MainWindow</name>
    <message>
        <source>FPS Tweaks</source>
        <translation>Твики FPS</translation>
    </message>
    <message>
        <source>Ping Tweaks</source>
        <translation>Твики пинга</translation>
    </message>
    <message>
        <source>CS 1.6 Models</source>
        <translation>Модели CS 1.6</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Load *.cfg Settings</source>
        <translation>&amp;Загрузить настройки из *.cfg</translation>
    </message>
    <message>
        <source>&amp;Update Quarvel</source>
        <translation>&amp;Обновить Quarvel</translation>
    </message>
    <message>
        <source>Q&amp;uit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Пресеты</translation>
    </message>
    <message>
        <source>&amp;Install Tweaks</source>
        <translation>&amp;Установить твики</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Config File (*.cfg)</source>
        <translation>Файл конфигурации (*.cfg)</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Select the DEFAULT value.</source>
        <translation>Выбрать значение ПО УМОЛЧАНИЮ.</translation>
    </message>
    <message>
        <source>This tweak only works for CS!</source>
        <translation>Этот твик работает только в CS!</translation>
    </message>
    <message>
        <source>This tweak only works when you&apos;re using C-D!</source>
        <translation>Этот твик работает только с C-D!</translation>
    </message>
    <message>
        <source>This tweak only works for DoD!</source>
        <translation>Этот твик работает только в DoD!</translation>
    </message>
    <message>
        <source>This tweak only works for ATi Radeon cards!</source>
        <translation>Этот твик работает только на видеокартах ATi Radeon!</translation>
    </message>
    <message>
        <source>%1: DEFAULT</source>
        <translation>%1: ПО УМОЛЧАНИЮ</translation>
    </message>
    <message>
        <source>Today&apos;s Game</source>
        <translation>Современная игра</translation>
    </message>
    <message>
        <source>Today&apos;s game no longer knows gl_ztrick, so Quarvel does not write it.</source>
        <translation>Современная игра больше не знает gl_ztrick, поэтому Quarvel его не записывает.</translation>
    </message>
    <message>
        <source>In the classic game Quarvel keeps it at most %1.</source>
        <translation>В классической игре Quarvel держит это значение не выше %1.</translation>
    </message>
    <message>
        <source>In today&apos;s Steam game Quarvel keeps it at most %1.</source>
        <translation>В современной игре в Steam Quarvel держит это значение не выше %1.</translation>
    </message>
    <message>
        <source>&amp;Game version:</source>
        <translation>&amp;Версия игры:</translation>
    </message>
    <message>
        <source>The game the settings are made for. The classic game takes rate up to %1 and cl_updaterate up to %2. Today&apos;s Steam game takes rate up to %3 and cl_updaterate up to %4, starts at its own rates, knows the settings of the Today&apos;s Game tab and no longer knows gl_ztrick.</source>
        <translation>Игра, для которой составляются настройки. Классическая игра принимает rate до %1 и cl_updaterate до %2. Современная игра в Steam принимает rate до %3 и cl_updaterate до %4, начинает со своих значений скоростей, знает настройки вкладки «Современная игра» и больше не знает gl_ztrick.</translation>
    </message>
    <message>
        <source>%1 preset applied</source>
        <translation>Применён пресет «%1»</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>Не удалось загрузить</translation>
    </message>
    <message>
        <source>Loaded 1 setting from %1</source>
        <translation>Загружена 1 настройка из %1</translation>
    </message>
    <message numerus="yes">
        <source>Loaded %n settings from %1</source>
        <translation>
            <numerusform>Загружена %n настройка из %1</numerusform>
            <numerusform>Загружено %n настройки из %1</numerusform>
            <numerusform>Загружено %n настроек из %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 set to its default</source>
        <translation>«%1»: восстановлено значение по умолчанию</translation>
    </message>
    <message>
        <source>Game version set to %1</source>
        <translation>Версия игры: %1</translation>
    </message>
    <message>
        <source>Today&apos;s Steam game: %1 was found in your Steam library</source>
        <translation>Современная игра в Steam: %1 найдена в вашей библиотеке Steam</translation>
    </message>
    <message>
        <source>Update Quarvel</source>
        <translation>Обновить Quarvel</translation>
    </message>
    <message>
        <source>No web browser could be started. Quarvel&apos;s download page is:
%1</source>
        <translation>Не удалось запустить веб-браузер. Страница загрузки Quarvel:
%1</translation>
    </message>
    <message>
        <source>%1 %2 lowered to %3</source>
        <translation>%1 %2 снижено до %3</translation>
    </message>
    <message>
        <source>1 setting of today&apos;s game skipped: choose %1 to keep it</source>
        <translation>1 настройка современной игры пропущена: выберите «%1», чтобы сохранить её</translation>
    </message>
    <message numerus="yes">
        <source>%n settings of today&apos;s game skipped: choose %1 to keep them</source>
        <translation>
            <numerusform>%n настройка современной игры пропущена: выберите «%1», чтобы сохранить её</numerusform>
            <numerusform>%n настройки современной игры пропущены: выберите «%1», чтобы сохранить их</numerusform>
            <numerusform>%n настроек современной игры пропущено: выберите «%1», чтобы сохранить их</numerusform>
        </translation>
    </message>
    <message>
        <source>1 setting of the classic game skipped: choose %1 to keep it</source>
        <translation>1 настройка классической игры пропущена: выберите «%1», чтобы сохранить её</translation>
    </message>
    <message numerus="yes">
        <source>%n settings of the classic game skipped: choose %1 to keep them</source>
        <translation>
            <numerusform>%n настройка классической игры пропущена: выберите «%1», чтобы сохранить её</numerusform>
            <numerusform>%n настройки классической игры пропущены: выберите «%1», чтобы сохранить их</numerusform>
            <numerusform>%n настроек классической игры пропущено: выберите «%1», чтобы сохранить их</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::ModelWizard</name>
    <message>
        <source>[Step 1]</source>
        <translation>[Шаг 1]</translation>
    </message>
    <message>
        <source>Choose what you want to do:</source>
        <translation>Выберите, что вы хотите сделать:</translation>
    </message>
    <message>
        <source>[Step 2]</source>
        <translation>[Шаг 2]</translation>
    </message>
    <message>
        <source>Click here</source>
        <translation>Нажмите здесь</translation>
    </message>
    <message>
        <source>to start downloading the Hi FPS</source>
        <translation>и скачайте Hi FPS</translation>
    </message>
    <message>
        <source>&quot;Open folder&quot; shows it in File Explorer.</source>
        <translation>«Открыть папку» покажет её в Проводнике.</translation>
    </message>
    <message>
        <source>&quot;Open folder&quot; shows it in your file manager.</source>
        <translation>«Открыть папку» покажет её в вашем файловом менеджере.</translation>
    </message>
    <message>
        <source>Quarvel found no Counter-Strike: use the cstrike folder in the folder you installed Half-Life in.</source>
        <translation>Quarvel не нашёл Counter-Strike: используйте папку cstrike в папке, куда установлена Half-Life.</translation>
    </message>
    <message>
        <source>The pack replaced %1. Do not delete them: Counter-Strike would have no models.</source>
        <translation>Пакет заменил %1. Не удаляйте их: иначе в Counter-Strike не останется моделей.</translation>
    </message>
    <message>
        <source>Steam puts the game&apos;s own files back: in Steam, right-click Counter-Strike, choose Properties, then Installed Files, and press &quot;Verify integrity of game files&quot;.</source>
        <translation>Steam вернёт собственные файлы игры: в Steam щёлкните правой кнопкой по Counter-Strike, выберите «Свойства», затем «Установленные файлы» и нажмите «Проверить целостность файлов игры».</translation>
    </message>
    <message>
        <source>The pack replaces %1. Copy the folder %2 somewhere safe first, so that you can put them back.</source>
        <translation>Пакет заменяет %1. Сначала скопируйте папку %2 в надёжное место, чтобы их можно было вернуть.</translation>
    </message>
    <message>
        <source>Copy the folder %1 you kept before the install back into the game folder, replacing the files there, or install the game again.</source>
        <translation>Скопируйте сохранённую перед установкой папку %1 обратно в папку игры с заменой файлов или переустановите игру.</translation>
    </message>
    <message>
        <source>Once you have downloaded the models, open the .zip file and extract it into your Counter-Strike folder:</source>
        <translation>Скачав модели, откройте файл .zip и распакуйте его в папку Counter-Strike:</translation>
    </message>
    <message>
        <source>Your Counter-Strike folder:</source>
        <translation>Ваша папка Counter-Strike:</translation>
    </message>
    <message>
        <source>The next time you play CS, you should see the default models again!</source>
        <translation>В следующий раз, когда вы будете играть в CS, вы снова увидите стандартные модели!</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Открыть папку</translation>
    </message>
    <message>
        <source>No file manager could be started. The folder is:
%1</source>
        <translation>Не удалось запустить файловый менеджер. Папка:
%1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Далее &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Готово</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::ModelsPage</name>
    <message>
        <source>CS 1.6 Hi FPS Player  Models</source>
        <translation>Модели игроков Hi FPS для CS 1.6</translation>
    </message>
    <message>
        <source>These models look a bit worse than the default models, but they can improve your performance vastly.</source>
        <translation>Эти модели выглядят чуть хуже стандартных, зато могут сильно повысить производительность.</translation>
    </message>
    <message>
        <source>CS 1.6 Hi FPS Weapon Models</source>
        <translation>Модели оружия Hi FPS для CS 1.6</translation>
    </message>
    <message>
        <source>The Hi FPS Weapon Models make your primary and secondary guns disappear. The guns you see on other players however will remain visible. These models gain you about 5 to 10 FPS!</source>
        <translation>Модели оружия Hi FPS делают ваше основное и дополнительное оружие невидимым. Оружие в руках других игроков при этом остаётся видимым. Эти модели добавляют примерно 5–10 FPS!</translation>
    </message>
    <message>
        <source>Click on the model to start the install wizard.</source>
        <translation>Нажмите на модель, чтобы запустить мастер установки.</translation>
    </message>
    <message>
        <source>Hi FPS Player Models by Ruud &quot;Rux&quot; Kessel, Hi FPS Weapon Models by Tomasz &quot;Tomek&quot; Lind</source>
        <translation>Модели игроков Hi FPS: Ruud &quot;Rux&quot; Kessel, модели оружия Hi FPS: Tomasz &quot;Tomek&quot; Lind</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::ModelsWizard</name>
    <message>
        <source>Hi FPS Player Models</source>
        <translation>Модели игроков Hi FPS</translation>
    </message>
    <message>
        <source>Remove Hi FPS Player Models</source>
        <translation>Удалить модели игроков Hi FPS</translation>
    </message>
    <message>
        <source>Install Hi FPS Player Models</source>
        <translation>Установить модели игроков Hi FPS</translation>
    </message>
    <message>
        <source>Player Models.</source>
        <translation>модели игроков.</translation>
    </message>
    <message>
        <source>the player models in %1, one .mdl file in the folder of each team</source>
        <translation>модели игроков в %1, по одному файлу .mdl в папке каждой команды</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::OptionPair</name>
    <message>
        <source>%1: ON</source>
        <translation>%1: ВКЛ</translation>
    </message>
    <message>
        <source>%1: OFF</source>
        <translation>%1: ВЫКЛ</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::PingPage</name>
    <message>
        <source>[Step 1]</source>
        <translation>[Шаг 1]</translation>
    </message>
    <message>
        <source>[Step 2]</source>
        <translation>[Шаг 2]</translation>
    </message>
    <message>
        <source>How to find your UPLOAD/DOWNLOAD</source>
        <translation>Как узнать свою ИСХОДЯЩУЮ/ВХОДЯЩУЮ</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>скорость:</translation>
    </message>
    <message>
        <source>Look on the box of your modem. The speed will be in bits/sec or in Kbits/sec (e.g. 56K)</source>
        <translation>Посмотрите на коробке модема. Скорость указана в бит/с или Кбит/с (например, 56K)</translation>
    </message>
    <message>
        <source>Go to your ISP&apos;s website. If you can&apos;t find it there, then email your ISP.   (ISP = Internet Service Provider)</source>
        <translation>Зайдите на сайт своего провайдера. Если там её не найти, напишите провайдеру по электронной почте.</translation>
    </message>
    <message>
        <source>If you couldn&apos;t find your speed in step 1 or 2, you can use</source>
        <translation>Если не удалось узнать скорость способом 1 или 2, воспользуйтесь</translation>
    </message>
    <message>
        <source>this site.</source>
        <translation>этим сайтом.</translation>
    </message>
    <message>
        <source>On the site, find the country closest to you and do the speedtest. NOTE: this method is not an accurate one.</source>
        <translation>На сайте выберите ближайшую к вам страну и пройдите тест скорости. ПРИМЕЧАНИЕ: этот способ неточный.</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::TodayPage</name>
    <message>
        <source>These settings exist only in today&apos;s Steam game. Choose &quot;Today&apos;s Steam game&quot; as the game version above to use them.</source>
        <translation>Эти настройки есть только в современной игре в Steam. Чтобы пользоваться ими, выберите выше версию игры «Современная игра в Steam».</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::TweakWidgets</name>
    <message>
        <source>Select the DEFAULT value.</source>
        <translation>Выбрать значение ПО УМОЛЧАНИЮ.</translation>
    </message>
    <message>
        <source>Turns a command ON.</source>
        <translation>ВКЛЮЧАЕТ команду.</translation>
    </message>
    <message>
        <source>Turns a command OFF.</source>
        <translation>ВЫКЛЮЧАЕТ команду.</translation>
    </message>
</context>
<context>
    <name>quarvel::ui::WeaponsWizard</name>
    <message>
        <source>Hi FPS Weapon Models</source>
        <translation>Модели оружия Hi FPS</translation>
    </message>
    <message>
        <source>Remove Hi FPS Weapon Models</source>
        <translation>Удалить модели оружия Hi FPS</translation>
    </message>
    <message>
        <source>Install Hi FPS Weapon Models</source>
        <translation>Установить модели оружия Hi FPS</translation>
    </message>
    <message>
        <source>Weapon Models.</source>
        <translation>модели оружия.</translation>
    </message>
    <message>
        <source>the weapon models in %1, the v_*.mdl files</source>
        <translation>модели оружия в %1, файлы v_*.mdl</translation>
    </message>
</context>
</TS>
