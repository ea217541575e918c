<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>LockedImagePrompt</name>
    <message>
        <source>Файл образа «%1» уже открыт в другой копии программы.
Если обе копии будут записывать в него, одна затрёт правки другой.
Открыть его всё равно?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OverflowPrompt</name>
    <message>
        <source>Вставляемый фрагмент выходит за пределы файла.<byte value="xd"/>Увеличит размер файла (Да)<byte value="xd"/>Вставить до конца файла (Нет)<byte value="xd"/>Отмена операции (Отмена)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PatternDialog</name>
    <message>
        <source>бегущий огонь (chase)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>бегущий огонь назад (chase-back)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>туда и обратно (bounce)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заполнение (fill)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>опустошение (empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мигание (blink)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>двоичный счётчик (counter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>случайные лампы (random)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepCommands</name>
    <message>
        <source>удаление: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>инверсия: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>обратный порядок: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>зеркально по каналам: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сдвиг каналов влево: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сдвиг каналов вправо: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шаг %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шаги %1–%2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>лампа канала %1 в шаге %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рисование, ламп: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вырезание: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В буфере обмена нет шагов: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вставка поверх с шага %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не вставлено шагов: %1 (%2 байт) — они не поместились до конца образа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вставка со сдвигом перед шагом %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заполнить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Байты, которыми заполнить %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заполнение: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>узор %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepExports</name>
    <message>
        <source>Экспорт образа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записано: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В выделенных шагах нет ни одного целого шага.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кадры анимации…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт GIF отменён; файл не записан</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepNavigation</name>
    <message>
        <source>Адрес (100 или 0x64), шаг (#25) или смещение в шагах (+4, -4):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес (100 или 0x64), шаг (#25), смещение в шагах (+4, -4) или программа (P3):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программ нет: выберите на панели «Шагов в программе», сколько их шагов.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер программы от 1 до %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер программы, от 1 до %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Байты (?? — любой байт), например 7F ?? DF:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» не найдено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найдено по адресу %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WholeImageCommands</name>
    <message>
        <source>Имя файла образа слишком короткое для имени копии.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::CodeViewWindow</name>
    <message>
        <source>Адрес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранять</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Симуляция</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать окно симуляции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Работа с файлом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инверсия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инверсия всего содержимого файла.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данные из диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адреса в десятичном виде с которых копировать данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>копировать с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нач. &lt;-&gt; Кон.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ячейки со старшими адресами поместить в начало и наоборот.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Старт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Привести размер к указанному</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Просмотр кода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аналогична применению реверсивного счетчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть файл образа</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::ColourPanel</name>
    <message>
        <source>Панель цвета</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::DifferencesPanel</name>
    <message>
        <source>Различия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>длина: %1 байт, у «%2» %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>совпадает с «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Различия с «%1»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::GifExportDialog</name>
    <message>
        <source>Обрезать по лампам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>всё изображение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>программа %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>программа (плата без программ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выделенные шаги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что показать:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько стоит каждый кадр; GIF считает время сотыми долями секунды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кадр:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Только лампы и небольшое поле вокруг них, без остальной картинки</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::PatternDialog</name>
    <message>
        <source>Создать узор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Узор:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько ламп горит в каждом шаге случайного узора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Горящих ламп:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одно и то же число даёт один и тот же случайный узор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зерно:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::ProgramToolBar</name>
    <message>
        <source>Плата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шагов в программе </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько шагов проходит счётчик платы; старшие адреса, заданные переключателями, выбирают программу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа, которую играет симуляция, как при этом положении переключателей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интервал, мс </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время одного шага симуляции; то же, что полоса интервала в окне кода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>всё изображение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> из %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::SimulatorWindow</name>
    <message>
        <source>Симулятор экрана</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::StepEditorWindow</name>
    <message>
        <source>Шаги эффекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть Intel HEX или S-записи…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перевести файл Intel HEX или S-записей в образ .bin рядом с ним и открыть его</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить образ как…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать образ в другой файл и дальше работать с ним</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть плату…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Взять из файла платы каналы, интервал, программы, картинку, лампы и цвета</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить плату</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать каналы, интервал, программы, картинку, лампы и цвета в файл платы chaserom-board.json в папке образа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт в Intel HEX…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать образ в файл Intel HEX для программатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт в S-записи…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать образ в файл S-записей (Motorola) для программатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт GIF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать выделенные шаги (или все) как анимацию симулятора в GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить с образом…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отметить шаги, которыми образ отличается от другого файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следующее различие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти к следующему отличающемуся шагу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предыдущее различие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти к предыдущему отличающемуся шагу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть это окно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Правка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скопировать выделенные шаги и погасить их (FF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скопировать выделенные шаги как шестнадцатеричный текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставить поверх</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать шаги из буфера обмена поверх, начиная с курсора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставить со сдвигом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставить шаги из буфера перед курсором; следующие шаги сдвигаются вниз, вышедшие за конец образа теряются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить шаги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить выделенные шаги; следующие сдвигаются вверх, конец заполняется FF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выделить все шаги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выделить все шаги образа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заполнить…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заполнить выделенные шаги повторяющимися байтами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Создать узор…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать в выделенные шаги бегущий огонь, счётчик или другой узор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инверсия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инвертировать все лампы выделенных шагов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратный порядок шагов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расположить выделенные шаги в обратном порядке (байты шага не переставляются)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зеркально по каналам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поменять местами каналы k и C−1−k в выделенных шагах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдвинуть каналы влево</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каждый канал берёт состояние следующего, последний — первого</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдвинуть каналы вправо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каждый канал берёт состояние предыдущего, первый — последнего</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вид</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Увеличить клетки (Ctrl и колесо мыши)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уменьшить клетки (Ctrl и колесо мыши)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цвета каналов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Горящие лампы в цветах их каналов, а не белые</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лампы как на плате</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Погасшие лампы чёрные, горящие без светлой каймы, как на плате</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следовать за воспроизведением</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Во время симуляции держать текущий шаг на виду</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>П&amp;ереход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти к адресу (100, 0x64), шагу (#25) или на несколько шагов (+4, -4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти байты, например 7F ?? DF (?? — любой байт)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти далее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следующее место с теми же байтами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти назад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предыдущее место с теми же байтами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрать программу и перейти к её первому шагу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Играть выделенное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Симуляция по кругу только выделенных шагов, пока она идёт или выделение не снято</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выделите шаги, которые играть по кругу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контрольные суммы образа, каким его показывает это окно, как их показывают программаторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 байт, %2 шагов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выделено: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ничего не выделено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить с образом</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::StepGridHeader</name>
    <message>
        <source>Шаг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Байты</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chaserom::ToolStrip</name>
    <message>
        <source>Создать новый файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сменить фоновое изображение</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
