<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
  <context>
    <name>BackgroundPicture</name>
    <message>
      <source>файл не является изображением известного формата</source>
      <translation>the file is not a picture in a known format</translation>
    </message>
    <message>
      <source>изображение повреждено</source>
      <translation>the picture is damaged</translation>
    </message>
    <message>
      <source>изображение не удаётся прочитать</source>
      <translation>the picture cannot be read</translation>
    </message>
    <message>
      <source>изображение слишком большое: %1 × %2 пикселей, а можно не больше %3 × %3</source>
      <translation>the picture is too large: %1 × %2 pixels, at most %3 × %3 allowed</translation>
    </message>
  </context>
  <context>
    <name>BoardFile</name>
    <message>
      <source>«%1»: целое число от %2 до %3</source>
      <translation>“%1”: a whole number from %2 to %3</translation>
    </message>
    <message>
      <source>«channels»: 8, 16, 24 или 32</source>
      <translation>“channels”: 8, 16, 24 or 32</translation>
    </message>
    <message>
      <source>«stepsPerProgram»: 0 (всё изображение) или степень двойки от 2</source>
      <translation>“stepsPerProgram”: 0 (the whole image) or a power of two from 2 up</translation>
    </message>
    <message>
      <source>«lamps»: список не больше чем из %1 пар [Left, Top]</source>
      <translation>“lamps”: a list of at most %1 pairs [Left, Top]</translation>
    </message>
    <message>
      <source>«lamps», лампа %1: пара чисел [Left, Top] в твипах</source>
      <translation>“lamps”, lamp %1: a pair of numbers [Left, Top] in twips</translation>
    </message>
    <message>
      <source>«colours»: список не больше чем из %1 цветов «#RRGGBB»</source>
      <translation>“colours”: a list of at most %1 colours “#RRGGBB”</translation>
    </message>
    <message>
      <source>«colours», канал %1: цвет вида «#RRGGBB»</source>
      <translation>“colours”, channel %1: a colour like “#RRGGBB”</translation>
    </message>
    <message>
      <source>«%1»: строка</source>
      <translation>“%1”: a string</translation>
    </message>
    <message>
      <source>это не JSON: %1 (байт %2)</source>
      <translation>this is not JSON: %1 (byte %2)</translation>
    </message>
    <message>
      <source>в файле должен быть объект JSON { … }</source>
      <translation>the file must hold a JSON object { … }</translation>
    </message>
    <message>
      <source>файл платы версии %1, а эта программа читает версию %2</source>
      <translation>the board file is version %1, but this program reads version %2</translation>
    </message>
  </context>
  <context>
    <name>BytePattern</name>
    <message>
      <source> или ??</source>
      <translation> or ??</translation>
    </message>
    <message>
      <source>Введите байты для поиска, например 7F ?? DF.</source>
      <translation>Enter the bytes to search for, for example 7F ?? DF.</translation>
    </message>
  </context>
  <context>
    <name>ColourFile</name>
    <message>
      <source>в файле %1 чисел вместо 32</source>
      <translation>the file has %1 numbers instead of 32</translation>
    </message>
    <message>
      <source>число «%1» для канала %2 вне допустимого диапазона: цвет от 0 до %3</source>
      <translation>the number “%1” for channel %2 is out of range: a colour is 0 to %3</translation>
    </message>
    <message>
      <source>строка «%1» для канала %2 не является числом</source>
      <translation>“%1” for channel %2 is not a number</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--language: ru или en</source>
      <translation>--language: ru or en</translation>
    </message>
    <message>
      <source>неизвестный параметр %1</source>
      <translation>unknown option %1</translation>
    </message>
    <message>
      <source>указано больше одного файла образа</source>
      <translation>more than one image file given</translation>
    </message>
    <message>
      <source>Использование: chaserom [--steps] [--language ru|en] [ОБРАЗ]
Редактор образов ПЗУ для плат бегущих огней. С ОБРАЗОМ открывает этот файл,
без него спрашивает файл при запуске.
  --steps    открыть и окно «Шаги эффекта»
  --language ru|en  язык окон (иначе выбранный в меню «Вид» или язык системы)
  --help     показать эту справку и выйти
  --version  показать версию и выйти
</source>
      <translation>Usage: chaserom [--steps] [--language ru|en] [IMAGE]
ROM image editor for running-light boards. With IMAGE, opens that file;
without it, asks for a file at startup.
  --steps    also open the “Effect steps” window
  --language ru|en  window language (otherwise the one chosen in the “View”
                    menu, or the system language)
  --help     show this help and exit
  --version  show the version and exit
</translation>
    </message>
  </context>
  <context>
    <name>DecimalFields</name>
    <message>
      <source>от 0 до %1</source>
      <translation>from 0 to %1</translation>
    </message>
    <message>
      <source>в образе, а образ пуст</source>
      <translation>in the image, but the image is empty</translation>
    </message>
    <message>
      <source>Начало диапазона должно быть целым числом %1.</source>
      <translation>The start of the range must be a whole number %1.</translation>
    </message>
    <message>
      <source>Конец диапазона должен быть целым числом %1.</source>
      <translation>The end of the range must be a whole number %1.</translation>
    </message>
    <message>
      <source>Адрес, с которого копировать, должен быть целым числом от 0 до %1.</source>
      <translation>The start address for the copy must be a whole number from 0 to %1.</translation>
    </message>
    <message>
      <source>Размер должен быть целым числом байтов от 1 до %1.</source>
      <translation>The size must be a whole number of bytes from 1 to %1.</translation>
    </message>
  </context>
  <context>
    <name>FailureReports</name>
    <message>
      <source>Ошибка</source>
      <translation>Error</translation>
    </message>
  </context>
  <context>
    <name>FileError</name>
    <message>
      <source>нет такого файла или папки</source>
      <translation>no such file or folder</translation>
    </message>
    <message>
      <source>нет прав доступа</source>
      <translation>permission denied</translation>
    </message>
    <message>
      <source>операция не разрешена</source>
      <translation>operation not permitted</translation>
    </message>
    <message>
      <source>файловая система доступна только для чтения</source>
      <translation>the file system is read-only</translation>
    </message>
    <message>
      <source>на диске нет места</source>
      <translation>no space left on the disk</translation>
    </message>
    <message>
      <source>превышена дисковая квота</source>
      <translation>disk quota exceeded</translation>
    </message>
    <message>
      <source>файл превысил допустимый размер</source>
      <translation>the file has grown beyond the allowed size</translation>
    </message>
    <message>
      <source>это папка, а не файл</source>
      <translation>this is a folder, not a file</translation>
    </message>
    <message>
      <source>часть пути не является папкой</source>
      <translation>part of the path is not a folder</translation>
    </message>
    <message>
      <source>слишком длинное имя файла</source>
      <translation>the file name is too long</translation>
    </message>
    <message>
      <source>ошибка ввода-вывода</source>
      <translation>input/output error</translation>
    </message>
    <message>
      <source>открыто слишком много файлов</source>
      <translation>too many files are open</translation>
    </message>
    <message>
      <source>файл занят</source>
      <translation>the file is busy</translation>
    </message>
    <message>
      <source>слишком много символических ссылок</source>
      <translation>too many symbolic links</translation>
    </message>
    <message>
      <source>файл уже существует</source>
      <translation>the file already exists</translation>
    </message>
    <message>
      <source>недопустимая операция</source>
      <translation>invalid operation</translation>
    </message>
    <message>
      <source>файл нельзя переместить на другой диск</source>
      <translation>the file cannot be moved to another disk</translation>
    </message>
    <message>
      <source>Не удалось открыть файл образа</source>
      <translation>Could not open the image file</translation>
    </message>
    <message>
      <source>Файл образа уже открыт</source>
      <translation>The image file is already open</translation>
    </message>
    <message>
      <source>Не удалось создать резервную копию</source>
      <translation>Could not create a backup</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл образа</source>
      <translation>Could not read the image file</translation>
    </message>
    <message>
      <source>Не удалось записать в файл образа</source>
      <translation>Could not write to the image file</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл цветов</source>
      <translation>Could not read the colour file</translation>
    </message>
    <message>
      <source>Не удалось сохранить файл цветов</source>
      <translation>Could not save the colour file</translation>
    </message>
    <message>
      <source>Не удалось загрузить расстановку ламп из файла</source>
      <translation>Could not load the lamp layout from the file</translation>
    </message>
    <message>
      <source>Не удалось сохранить расстановку ламп в файл</source>
      <translation>Could not save the lamp layout to the file</translation>
    </message>
    <message>
      <source>Не удалось загрузить фоновое изображение</source>
      <translation>Could not load the background picture</translation>
    </message>
    <message>
      <source>Не удалось записать копию нового размера</source>
      <translation>Could not write the resized copy</translation>
    </message>
    <message>
      <source>Не удалось отменить шаг в файле образа</source>
      <translation>Could not undo the edit in the image file</translation>
    </message>
    <message>
      <source>Не удалось повторить шаг в файле образа</source>
      <translation>Could not redo the edit in the image file</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл Intel HEX или S-записей</source>
      <translation>Could not read the Intel HEX or S-record file</translation>
    </message>
    <message>
      <source>Не удалось записать файл Intel HEX или S-записей</source>
      <translation>Could not write the Intel HEX or S-record file</translation>
    </message>
    <message>
      <source>Не удалось записать анимацию GIF</source>
      <translation>Could not write the GIF animation</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл платы</source>
      <translation>Could not read the board file</translation>
    </message>
    <message>
      <source>Не удалось сохранить файл платы</source>
      <translation>Could not save the board file</translation>
    </message>
    <message>
      <source>Не удалось сохранить образ под новым именем</source>
      <translation>Could not save the image under a new name</translation>
    </message>
    <message>
      <source>Ошибка файла</source>
      <translation>File error</translation>
    </message>
    <message>
      <source>системная ошибка %1 (%2)</source>
      <translation>system error %1 (%2)</translation>
    </message>
    <message>
      <source>в имени файла есть байты не в кодировке UTF-8; переименуйте файл, чтобы открыть его</source>
      <translation>the file name contains bytes that are not UTF-8; rename the file to open it</translation>
    </message>
    <message>
      <source>неизвестная ошибка</source>
      <translation>unknown error</translation>
    </message>
    <message>
      <source>Не вся страница записана в файл образа</source>
      <translation>Not all of the page was written to the image file</translation>
    </message>
    <message>
      <source>%1 «%2»: %3.</source>
      <translation>%1 “%2”: %3.</translation>
    </message>
  </context>
  <context>
    <name>GifAnimation</name>
    <message>
      <source>ошибка giflib: %1</source>
      <translation>giflib error: %1</translation>
    </message>
  </context>
  <context>
    <name>GoToAddress</name>
    <message>
      <source>Программ нет: выберите, сколько шагов в программе.</source>
      <translation>There are no programs: choose how many steps a program has.</translation>
    </message>
    <message>
      <source>Введите адрес (100 или 0x64), шаг (#25), смещение в шагах (+4, -4) или программу (P3).</source>
      <translation>Enter an address (100 or 0x64), a step (#25), an offset in steps (+4, -4) or a program (P3).</translation>
    </message>
    <message>
      <source>Адрес %1 лежит вне образа: от 0 до %2.</source>
      <translation>Address %1 lies outside the image: 0 to %2.</translation>
    </message>
    <message>
      <source>Образ пуст.</source>
      <translation>The image is empty.</translation>
    </message>
  </context>
  <context>
    <name>HexBytesText</name>
    <message>
      <source>«%1» не является байтом из двух шестнадцатеричных цифр</source>
      <translation>“%1” is not a byte of two hexadecimal digits</translation>
    </message>
    <message>
      <source>«??» не является байтом из двух шестнадцатеричных цифр</source>
      <translation>“??” is not a byte of two hexadecimal digits</translation>
    </message>
    <message>
      <source>нет ни одного байта</source>
      <translation>there are no bytes</translation>
    </message>
  </context>
  <context>
    <name>HexRecordText</name>
    <message>
      <source>символ %1 не является шестнадцатеричной цифрой</source>
      <translation>%1 is not a hexadecimal digit</translation>
    </message>
    <message>
      <source>нечётное число шестнадцатеричных цифр</source>
      <translation>odd number of hexadecimal digits</translation>
    </message>
    <message>
      <source>«%1»</source>
      <translation>“%1”</translation>
    </message>
    <message>
      <source>с кодом 0x%1</source>
      <translation>a character with code 0x%1</translation>
    </message>
  </context>
  <context>
    <name>ImageFile</name>
    <message>
      <source>его уже открыла другая копия программы</source>
      <translation>another copy of the program already has it open</translation>
    </message>
    <message>
      <source>файл удалён или заменён другим после открытия; откройте его снова</source>
      <translation>the file was deleted or replaced after it was opened; open it again</translation>
    </message>
    <message>
      <source>файл стал доступен только для чтения после открытия; ничего не записано</source>
      <translation>the file became read-only after it was opened; nothing was written</translation>
    </message>
  </context>
  <context>
    <name>IntelHex</name>
    <message>
      <source>строки после записи конца файла пропущены</source>
      <translation>lines after the end-of-file record were skipped</translation>
    </message>
    <message>
      <source>файл кончается без записи конца файла (тип 01, «:00000001FF»)</source>
      <translation>the file ends without an end-of-file record (type 01, “:00000001FF”)</translation>
    </message>
    <message>
      <source>запись Intel HEX должна начинаться с «:», а начинается с %1</source>
      <translation>an Intel HEX record must start with “:”, but this one starts with %1</translation>
    </message>
    <message>
      <source>запись короче пяти байтов (счётчик, адрес, тип, контрольная сумма)</source>
      <translation>the record is shorter than five bytes (count, address, type, checksum)</translation>
    </message>
    <message>
      <source>в записи %1 байт данных, а счётчик говорит %2</source>
      <translation>the record has %1 data bytes, but its byte count says %2</translation>
    </message>
    <message>
      <source>неверная контрольная сумма: 0x%1, должна быть 0x%2</source>
      <translation>wrong checksum: 0x%1, should be 0x%2</translation>
    </message>
    <message>
      <source>неизвестный тип записи 0x%1</source>
      <translation>unknown record type 0x%1</translation>
    </message>
    <message>
      <source>в записи типа 0x%1 должно быть %2 байт данных, а не %3</source>
      <translation>a record of type 0x%1 must have %2 data bytes, not %3</translation>
    </message>
  </context>
  <context>
    <name>LampItem</name>
    <message>
      <source>к%1</source>
      <translation>c%1</translation>
    </message>
  </context>
  <context>
    <name>LayoutFile</name>
    <message>
      <source>в файле %1 чисел вместо %2</source>
      <translation>the file has %1 numbers instead of %2</translation>
    </message>
    <message>
      <source>строка «%1» (число %2) вне допустимого диапазона</source>
      <translation>“%1” (number %2) is out of range</translation>
    </message>
    <message>
      <source>строка «%1» (число %2) не является числом</source>
      <translation>“%1” (number %2) is not a number</translation>
    </message>
  </context>
  <context>
    <name>LockedImagePrompt</name>
    <message>
      <source>Файл образа «%1» уже открыт в другой копии программы.
Если обе копии будут записывать в него, одна затрёт правки другой.
Открыть его всё равно?</source>
      <translation>The image file “%1” is already open in another copy of the program.
If both copies write to it, one will overwrite the other's edits.
Open it anyway?</translation>
    </message>
    <message>
      <source>Внимание</source>
      <translation>Attention</translation>
    </message>
  </context>
  <context>
    <name>NewImage</name>
    <message>
      <source>Длина: целое число байт от 1 до %1, десятичное или с 0x.</source>
      <translation>Length: a whole number of bytes from 1 to %1, decimal or with 0x.</translation>
    </message>
    <message>
      <source>Байт заполнения: две шестнадцатеричные цифры, например FF.</source>
      <translation>Fill byte: two hexadecimal digits, for example FF.</translation>
    </message>
  </context>
  <context>
    <name>NewImageDialog</name>
    <message>
      <source>%1 МиБ</source>
      <translation>%1 MiB</translation>
    </message>
    <message>
      <source>%1 КиБ</source>
      <translation>%1 KiB</translation>
    </message>
  </context>
  <context>
    <name>OverflowPrompt</name>
    <message>
      <source>Вставляемый фрагмент выходит за пределы файла.<byte value="xd" />Увеличит размер файла (Да)<byte value="xd" />Вставить до конца файла (Нет)<byte value="xd" />Отмена операции (Отмена)</source>
      <translation>The fragment being inserted goes beyond the bounds of the file.</translation>
    </message>
    <message>
      <source>Внимание</source>
      <translation>Attention</translation>
    </message>
  </context>
  <context>
    <name>PatternDialog</name>
    <message>
      <source>бегущий огонь (chase)</source>
      <translation>chase forward (chase)</translation>
    </message>
    <message>
      <source>бегущий огонь назад (chase-back)</source>
      <translation>chase backward (chase-back)</translation>
    </message>
    <message>
      <source>туда и обратно (bounce)</source>
      <translation>back and forth (bounce)</translation>
    </message>
    <message>
      <source>заполнение (fill)</source>
      <translation>filling (fill)</translation>
    </message>
    <message>
      <source>опустошение (empty)</source>
      <translation>emptying (empty)</translation>
    </message>
    <message>
      <source>мигание (blink)</source>
      <translation>blinking (blink)</translation>
    </message>
    <message>
      <source>двоичный счётчик (counter)</source>
      <translation>binary counter (counter)</translation>
    </message>
    <message>
      <source>случайные лампы (random)</source>
      <translation>random lamps (random)</translation>
    </message>
  </context>
  <context>
    <name>ProtectedFiles</name>
    <message>
      <source>это открытый образ</source>
      <translation>it is the open image</translation>
    </message>
    <message>
      <source>это резервная копия открытого образа</source>
      <translation>it is the backup of the open image</translation>
    </message>
    <message>
      <source>это файл цветов каналов</source>
      <translation>it is the channel colour file</translation>
    </message>
    <message>
      <source>это загруженный файл расстановки ламп</source>
      <translation>it is the loaded lamp layout file</translation>
    </message>
    <message>
      <source>это загруженное фоновое изображение</source>
      <translation>it is the loaded background picture</translation>
    </message>
    <message>
      <source>этот файл программа читает</source>
      <translation>it is a file this program reads</translation>
    </message>
    <message>
      <source>%1 «%2»; ничего не записано, выберите другое имя</source>
      <translation>%1 “%2”; nothing was written, choose another name</translation>
    </message>
    <message>
      <source>это файл, из которого эта операция читает данные:</source>
      <translation>it is the file this operation reads its data from:</translation>
    </message>
  </context>
  <context>
    <name>RecordFile</name>
    <message>
      <source>это не Intel HEX (строки с «:») и не S-записи (строки с «S»)</source>
      <translation>this is neither Intel HEX (lines starting with “:”) nor S-records (lines starting with “S”)</translation>
    </message>
    <message>
      <source>в файле нет ни одной записи</source>
      <translation>the file contains no records</translation>
    </message>
    <message>
      <source>строка %1: %2</source>
      <translation>line %1: %2</translation>
    </message>
  </context>
  <context>
    <name>RecordImage</name>
    <message>
      <source>данные по адресу 0x%1 лежат ниже базы 0x%2</source>
      <translation>data at address 0x%1 lies below the base 0x%2</translation>
    </message>
    <message>
      <source>данные по адресу 0x%1 лежат за концом образа длиной %2 байт</source>
      <translation>data at address 0x%1 lies past the end of the image, which is %2 bytes long</translation>
    </message>
    <message>
      <source>данные по адресу 0x%1 лежат дальше 16 МиБ от базы 0x%2</source>
      <translation>data at address 0x%1 lies more than 16 MiB above the base 0x%2</translation>
    </message>
    <message>
      <source>байт по адресу 0x%1 уже задан другой записью: 0x%2, здесь 0x%3</source>
      <translation>the byte at address 0x%1 is already set by another record: 0x%2, here 0x%3</translation>
    </message>
    <message>
      <source>данные лежат за пределом образа в 16 МиБ: наименьший адрес данных в файле 0x%1; укажите базу, например --base 0x%2</source>
      <translation>the data lies beyond the 16 MiB image limit: the lowest data address in the file is 0x%1; give a base, for example --base 0x%2</translation>
    </message>
    <message>
      <source>%1 байт вне окна 0x%2–0x%3 пропущено</source>
      <translation>%1 bytes outside the window 0x%2–0x%3 were skipped</translation>
    </message>
    <message>
      <source>в файле нет данных</source>
      <translation>the file contains no data</translation>
    </message>
  </context>
  <context>
    <name>RecordPlacement</name>
    <message>
      <source>%1: адрес от 0 до 0xFFFFFFFF, десятичный или с 0x.</source>
      <translation>%1: an address from 0 to 0xFFFFFFFF, decimal or with 0x.</translation>
    </message>
    <message>
      <source>База</source>
      <translation>Base</translation>
    </message>
    <message>
      <source>Начало окна</source>
      <translation>Window start</translation>
    </message>
    <message>
      <source>Конец окна</source>
      <translation>Window end</translation>
    </message>
    <message>
      <source>Конец окна лежит раньше его начала.</source>
      <translation>The window end lies before its start.</translation>
    </message>
  </context>
  <context>
    <name>RegularFile</name>
    <message>
      <source>это именованный канал, а не обычный файл</source>
      <translation>this is a named pipe, not a regular file</translation>
    </message>
    <message>
      <source>это сокет, а не обычный файл</source>
      <translation>this is a socket, not a regular file</translation>
    </message>
    <message>
      <source>это устройство, а не обычный файл</source>
      <translation>this is a device, not a regular file</translation>
    </message>
    <message>
      <source>файл длиннее %1 байт</source>
      <translation>the file is longer than %1 bytes</translation>
    </message>
  </context>
  <context>
    <name>SRecord</name>
    <message>
      <source>после завершающей записи начинается новый блок записей</source>
      <translation>a new block of records starts after the termination record</translation>
    </message>
    <message>
      <source>файл кончается без завершающей записи (S7, S8 или S9) и без записи счёта (S5 или S6)</source>
      <translation>the file ends without a termination record (S7, S8 or S9) and without a count record (S5 or S6)</translation>
    </message>
    <message>
      <source>нет завершающей записи (S7, S8 или S9); файл принят, потому что запись S%1 сходится с числом записей данных</source>
      <translation>no termination record (S7, S8 or S9); the file was accepted because record S%1 matches the number of data records</translation>
    </message>
    <message>
      <source>запись S%1 насчитывает %2 записей данных, а их %3</source>
      <translation>record S%1 counts %2 data records, but there are %3</translation>
    </message>
    <message>
      <source>S-запись должна начинаться с «S», а начинается с %1</source>
      <translation>an S-record must start with “S”, but this one starts with %1</translation>
    </message>
    <message>
      <source>за «S» должна стоять цифра типа записи</source>
      <translation>“S” must be followed by the record type digit</translation>
    </message>
    <message>
      <source>тип записи S4 не определён</source>
      <translation>record type S4 is not defined</translation>
    </message>
    <message>
      <source>в записи нет счётчика байтов</source>
      <translation>the record has no byte count</translation>
    </message>
    <message>
      <source>в записи %1 байт после счётчика, а счётчик говорит %2</source>
      <translation>the record has %1 bytes after the byte count, but the count says %2</translation>
    </message>
    <message>
      <source>запись S%1 короче своего адреса и контрольной суммы</source>
      <translation>record S%1 is shorter than its address and checksum</translation>
    </message>
    <message>
      <source>неверная контрольная сумма: 0x%1, должна быть 0x%2</source>
      <translation>wrong checksum: 0x%1, should be 0x%2</translation>
    </message>
    <message>
      <source>запись счёта S%1 не должна нести данных</source>
      <translation>count record S%1 must not carry data</translation>
    </message>
  </context>
  <context>
    <name>StepCommands</name>
    <message>
      <source>удаление: %1</source>
      <translation>delete %1</translation>
    </message>
    <message>
      <source>инверсия: %1</source>
      <translation>invert %1</translation>
    </message>
    <message>
      <source>обратный порядок: %1</source>
      <translation>reverse %1</translation>
    </message>
    <message>
      <source>зеркально по каналам: %1</source>
      <translation>mirror channels in %1</translation>
    </message>
    <message>
      <source>сдвиг каналов влево: %1</source>
      <translation>shift channels left in %1</translation>
    </message>
    <message>
      <source>сдвиг каналов вправо: %1</source>
      <translation>shift channels right in %1</translation>
    </message>
    <message>
      <source>шаг %1</source>
      <translation>step %1</translation>
    </message>
    <message>
      <source>шаги %1–%2 (%3)</source>
      <translation>steps %1–%2 (%3)</translation>
    </message>
    <message>
      <source>лампа канала %1 в шаге %2</source>
      <translation>lamp of channel %1 in step %2</translation>
    </message>
    <message>
      <source>рисование, ламп: %1</source>
      <translation>draw %1 lamps</translation>
    </message>
    <message>
      <source>вырезание: %1</source>
      <translation>cut %1</translation>
    </message>
    <message>
      <source>В буфере обмена нет шагов: %1.</source>
      <translation>The clipboard holds no steps: %1.</translation>
    </message>
    <message>
      <source>вставка поверх с шага %1</source>
      <translation>paste over from step %1</translation>
    </message>
    <message>
      <source>Не вставлено шагов: %1 (%2 байт) — они не поместились до конца образа</source>
      <translation>Steps not pasted: %1 (%2 bytes) — they did not fit before the end of the image</translation>
    </message>
    <message>
      <source>вставка со сдвигом перед шагом %1</source>
      <translation>insert pasted steps before step %1</translation>
    </message>
    <message>
      <source>Заполнить</source>
      <translation>Fill</translation>
    </message>
    <message>
      <source>Байты, которыми заполнить %1:</source>
      <translation>Bytes to fill %1 with:</translation>
    </message>
    <message>
      <source>заполнение: %1</source>
      <translation>fill %1</translation>
    </message>
    <message>
      <source>узор %1: %2</source>
      <translation>pattern %1 in %2</translation>
    </message>
  </context>
  <context>
    <name>StepExports</name>
    <message>
      <source>Экспорт образа</source>
      <translation>Export image</translation>
    </message>
    <message>
      <source>Записано: %1</source>
      <translation>Written: %1</translation>
    </message>
    <message>
      <source>В выделенных шагах нет ни одного целого шага.</source>
      <translation>The selected steps contain no whole step.</translation>
    </message>
    <message>
      <source>Экспорт GIF</source>
      <translation>Export GIF</translation>
    </message>
    <message>
      <source>Кадры анимации…</source>
      <translation>Animation frames…</translation>
    </message>
    <message>
      <source>Отмена</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Экспорт GIF отменён; файл не записан</source>
      <translation>GIF export cancelled; no file written</translation>
    </message>
  </context>
  <context>
    <name>StepGridAccessible</name>
    <message>
      <source>Шаги эффекта: лампы по шагам и каналам</source>
      <translation>Effect steps: lamps by step and channel</translation>
    </message>
    <message>
      <source>Стрелки двигают курсор, пробел зажигает или гасит лампу под ним</source>
      <translation>Arrow keys move the cursor; Space turns the lamp under it on or off</translation>
    </message>
  </context>
  <context>
    <name>StepNavigation</name>
    <message>
      <source>Адрес (100 или 0x64), шаг (#25) или смещение в шагах (+4, -4):</source>
      <translation>Address (100 or 0x64), step (#25) or offset in steps (+4, -4):</translation>
    </message>
    <message>
      <source>Адрес (100 или 0x64), шаг (#25), смещение в шагах (+4, -4) или программа (P3):</source>
      <translation>Address (100 or 0x64), step (#25), offset in steps (+4, -4) or program (P3):</translation>
    </message>
    <message>
      <source>Перейти</source>
      <translation>Go to</translation>
    </message>
    <message>
      <source>Программ нет: выберите на панели «Шагов в программе», сколько их шагов.</source>
      <translation>There are no programs: choose how many steps a program has in the “Steps per program” panel.</translation>
    </message>
    <message>
      <source>Номер программы от 1 до %1.</source>
      <translation>Program number from 1 to %1.</translation>
    </message>
    <message>
      <source>Программа</source>
      <translation>Program</translation>
    </message>
    <message>
      <source>Номер программы, от 1 до %1:</source>
      <translation>Program number, from 1 to %1:</translation>
    </message>
    <message>
      <source>Найти</source>
      <translation>Find</translation>
    </message>
    <message>
      <source>Байты (?? — любой байт), например 7F ?? DF:</source>
      <translation>Bytes (?? is any byte), for example 7F ?? DF:</translation>
    </message>
    <message>
      <source>«%1» не найдено</source>
      <translation>“%1” not found</translation>
    </message>
    <message>
      <source>Найдено по адресу %1</source>
      <translation>Found at address %1</translation>
    </message>
  </context>
  <context>
    <name>Tool</name>
    <message>
      <source>неизвестный параметр %1</source>
      <translation>unknown option %1</translation>
    </message>
    <message>
      <source>параметр %1 указан дважды</source>
      <translation>option %1 given twice</translation>
    </message>
    <message>
      <source>параметр %1 не принимает значения</source>
      <translation>option %1 takes no value</translation>
    </message>
    <message>
      <source>у параметра %1 нет значения</source>
      <translation>option %1 needs a value</translation>
    </message>
    <message>
      <source>нужен хотя бы один ОБРАЗ</source>
      <translation>at least one IMAGE is needed</translation>
    </message>
    <message>
      <source>нужны ровно два образа, A и B</source>
      <translation>exactly two images, A and B, are needed</translation>
    </message>
    <message>
      <source>Не удалось записать в стандартный вывод: %1.</source>
      <translation>Could not write to standard output: %1.</translation>
    </message>
    <message>
      <source>«%1», строка %2: %3</source>
      <translation>“%1”, line %2: %3</translation>
    </message>
    <message>
      <source>предупреждение: %1</source>
      <translation>warning: %1</translation>
    </message>
    <message>
      <source>Справка: %1
</source>
      <translation>For help: %1
</translation>
    </message>
    <message>
      <source>стандартный ввод</source>
      <translation>standard input</translation>
    </message>
    <message>
      <source>ввод длиннее %1 байт</source>
      <translation>input longer than %1 bytes</translation>
    </message>
    <message>
      <source>нужен ровно один ОБРАЗ</source>
      <translation>exactly one IMAGE is needed</translation>
    </message>
    <message>
      <source>формат «%1» не известен: ihex или srec</source>
      <translation>unknown format “%1”: ihex or srec</translation>
    </message>
    <message>
      <source>--record-size: от 1 до %1 байт данных в записи</source>
      <translation>--record-size: 1 to %1 data bytes per record</translation>
    </message>
    <message>
      <source>--base: адрес от 0 до 0xFFFFFFFF, десятичный или с 0x</source>
      <translation>--base: an address from 0 to 0xFFFFFFFF, decimal or with 0x</translation>
    </message>
    <message>
      <source>образ длиннее предела в 16 МиБ (%1 байт), который описывают Intel HEX и S-записи</source>
      <translation>image longer than the 16 MiB limit (%1 bytes) of Intel HEX and S-records</translation>
    </message>
    <message>
      <source>--base: образ в %1 байт с адреса 0x%2 не помещается в 32-битные адреса записей</source>
      <translation>--base: an image of %1 bytes from address 0x%2 does not fit in 32-bit record addresses</translation>
    </message>
    <message>
      <source>эффект «%1» не известен; есть chase, chase-back, bounce, fill, empty, blink, counter, random</source>
      <translation>unknown effect “%1”; there are chase, chase-back, bounce, fill, empty, blink, counter, random</translation>
    </message>
    <message>
      <source>--channels: 8, 16, 24 или 32</source>
      <translation>--channels: 8, 16, 24 or 32</translation>
    </message>
    <message>
      <source>нужен --channels: 8, 16, 24 или 32 (или файл платы с «channels»)</source>
      <translation>--channels is needed: 8, 16, 24 or 32 (or a board file with “channels”)</translation>
    </message>
    <message>
      <source>--steps: от 1 до %1 шагов (16 МиБ)</source>
      <translation>--steps: 1 to %1 steps (16 MiB)</translation>
    </message>
    <message>
      <source>--lit и --seed бывают только у эффекта random</source>
      <translation>--lit and --seed apply only to the random effect</translation>
    </message>
    <message>
      <source>--lit: от 0 до %1 каналов</source>
      <translation>--lit: 0 to %1 channels</translation>
    </message>
    <message>
      <source>--seed: целое число от 0 до 2^64 − 1</source>
      <translation>--seed: an integer from 0 to 2^64 − 1</translation>
    </message>
    <message>
      <source>нужны ЭФФЕКТ и ОБРАЗ</source>
      <translation>EFFECT and IMAGE are needed</translation>
    </message>
    <message>
      <source>ОБРАЗ — файл, его нельзя заменить стандартным выводом</source>
      <translation>IMAGE must be a file; standard output cannot take its place</translation>
    </message>
    <message>
      <source>--at и --program вместе не бывают: программа сама задаёт адрес</source>
      <translation>--at and --program cannot be combined: the program sets the address itself</translation>
    </message>
    <message>
      <source>--at: «%1» не адрес; адрес — целое число от 0, десятичное или с 0x</source>
      <translation>--at: “%1” is not an address; an address is an integer from 0, decimal or with 0x</translation>
    </message>
    <message>
      <source>--at: эффект из %1 байт должен кончиться в пределах 16 МиБ</source>
      <translation>--at: an effect of %1 bytes must end within 16 MiB</translation>
    </message>
    <message>
      <source>--at: адрес, десятичный или с 0x</source>
      <translation>--at: an address, decimal or with 0x</translation>
    </message>
    <message>
      <source>--steps: от 1 до %1 шагов</source>
      <translation>--steps: 1 to %1 steps</translation>
    </message>
    <message>
      <source>--interval: от 1 до %1 мс</source>
      <translation>--interval: 1 to %1 ms</translation>
    </message>
    <message>
      <source>--scale: от %1 до %2 %</source>
      <translation>--scale: %1 to %2 %</translation>
    </message>
    <message>
      <source>интервал %1 мс записан как %2 мс: GIF считает время в сотых долях секунды, не меньше 2</source>
      <translation>interval %1 ms written as %2 ms: GIF counts time in hundredths of a second, at least 2</translation>
    </message>
    <message>
      <source>в образе «%1» от адреса 0x%2 нет ни одного целого шага</source>
      <translation>image “%1” holds no whole step from address 0x%2</translation>
    </message>
    <message>
      <source>в образе %1 шагов; показаны первые %2</source>
      <translation>the image holds %1 steps; showing the first %2</translation>
    </message>
    <message>
      <source>в образе «%1» от адреса 0x%2 только %3 целых шагов, а не %4</source>
      <translation>image “%1” holds only %3 whole steps from address 0x%2, not %4</translation>
    </message>
    <message>
      <source>нужен -o ВЫХОД.gif</source>
      <translation>-o OUTPUT.gif is needed</translation>
    </message>
    <message>
      <source>нужен ровно один ВХОД</source>
      <translation>exactly one INPUT is needed</translation>
    </message>
    <message>
      <source>--fill: байт из двух шестнадцатеричных цифр, например FF или 00</source>
      <translation>--fill: a byte as two hexadecimal digits, such as FF or 00</translation>
    </message>
    <message>
      <source>--size: от 0 до %1 байт</source>
      <translation>--size: 0 to %1 bytes</translation>
    </message>
    <message>
      <source>--window: НАЧАЛО-КОНЕЦ, например 0xE000-0xFFFF</source>
      <translation>--window: START-END, such as 0xE000-0xFFFF</translation>
    </message>
    <message>
      <source>--language: ru или en</source>
      <translation>--language: ru or en</translation>
    </message>
    <message>
      <source>нужен ровно один из --chip и --size</source>
      <translation>exactly one of --chip and --size is needed</translation>
    </message>
    <message>
      <source>микросхема «%1» не известна; есть 2716, 2732, 2764, 27128, 27C256, 27C512, 27C010, 27C020, 27C040, 27C080</source>
      <translation>unknown chip “%1”; there are 2716, 2732, 2764, 27128, 27C256, 27C512, 27C010, 27C020, 27C040, 27C080</translation>
    </message>
    <message>
      <source>--size: от 1 до %1 байт, десятичное или с 0x</source>
      <translation>--size: 1 to %1 bytes, decimal or with 0x</translation>
    </message>
    <message>
      <source>стандартный вывод</source>
      <translation>standard output</translation>
    </message>
    <message>
      <source>выходной файл «%1» — это входной файл «%2»; укажите другой выходной файл</source>
      <translation>output file “%1” is the input file “%2”; choose another output file</translation>
    </message>
    <message>
      <source>не указана команда</source>
      <translation>no command given</translation>
    </message>
    <message>
      <source>неизвестная команда «%1»</source>
      <translation>unknown command “%1”</translation>
    </message>
    <message>
      <source>--steps-per-program без --program: укажите программу</source>
      <translation>--steps-per-program without --program: give a program</translation>
    </message>
    <message>
      <source>--steps-per-program: степень двойки от 2</source>
      <translation>--steps-per-program: a power of two from 2</translation>
    </message>
    <message>
      <source>--program: нужен --steps-per-program N (или файл платы с «stepsPerProgram»)</source>
      <translation>--program: needs --steps-per-program N (or a board file with “stepsPerProgram”)</translation>
    </message>
    <message>
      <source>--program: номер программы от 1</source>
      <translation>--program: a program number from 1</translation>
    </message>
  </context>
  <context>
    <name>ToolHelp</name>
    <message>
      <source>Использование: chaserom-tool КОМАНДА [ПАРАМЕТРЫ] АРГУМЕНТЫ
Образы ПЗУ для плат бегущих огней без окон: обмен с программаторами,
контрольные суммы, сравнение, эффекты и анимация симулятора.
  --help     показать эту справку и выйти
  --version  показать версию и выйти
  КОМАНДА --help  показать справку по команде
  --language ru|en  язык сообщений и справки (иначе выбранный в редакторе
                    или язык системы)
Числа (N, АДРЕС) десятичные или шестнадцатеричные с 0x. Файлы пишутся целиком
или никак: при ошибке прежний файл остаётся как был. Входы только обычные файлы;
выходной файл не может быть ни одним из них, даже через ссылку. Стандартный
вывод, записанный не до конца (полный диск, закрытый канал), тоже ошибка.
Коды возврата: 0 успех, 1 ошибка, 2 ошибка в командной строке.
</source>
      <translation>Usage: chaserom-tool COMMAND [OPTIONS] ARGUMENTS
ROM images of running-light boards, without the windows: exchange with
programmers, checksums, comparison, effects and simulator animation.
  --help     show this help and exit
  --version  show the version and exit
  COMMAND --help  show help for a command
  --language ru|en  language of messages and help (otherwise the one chosen in
                    the editor, or the system language)
Numbers (N, ADDRESS) are decimal, or hexadecimal with 0x. Files are written
whole or not at all: on an error the old file stays as it was. Inputs must be
regular files; the output file may not be any of them, even through a link.
Standard output not written in full (full disk, closed pipe) is an error too.
Exit status: 0 success, 1 error, 2 error on the command line.
</translation>
    </message>
    <message>
      <source>chaserom-tool export [--format ihex|srec] [--record-size N] [--base АДРЕС]
  [-o ВЫХОД] ОБРАЗ
  Записывает образ в Intel HEX или в S-записях для программатора.
  Формат: --format, иначе по расширению ВЫХОДА (.hex .ihx .ihex: Intel HEX;
  .srec .s19 .s28 .s37 .mot: S-записи), иначе Intel HEX. Intel HEX: записи 00,
  для образа больше 64 КиБ запись 04 перед каждым сегментом в 64 КиБ.
  S-записи: заголовок S0 с именем образа, S1 (до 64 КиБ) или S2, счётчик S5
  или S6 и завершающая S9 или S8. Строки кончаются LF. Образ не длиннее
  16 МиБ: больше Intel HEX и S-записи не описывают, как и у import.
  --format ФОРМАТ     ihex или srec
  --record-size N     байтов данных в записи, от 1 до 250 (16)
  --base АДРЕС        адрес байта 0 образа в записях (0): записи 04 или
                      S2/S3, если адресам нужно
  -o, --output ВЫХОД  выходной файл; без него или с - стандартный вывод
</source>
      <translation>chaserom-tool export [--format ihex|srec] [--record-size N] [--base ADDRESS]
  [-o OUTPUT] IMAGE
  Writes the image as Intel HEX or as S-records for a programmer. Format:
  --format, otherwise by the extension of OUTPUT (.hex .ihx .ihex: Intel HEX;
  .srec .s19 .s28 .s37 .mot: S-records), otherwise Intel HEX. Intel HEX: 00
  records, and for an image over 64 KiB a 04 record before each 64 KiB segment.
  S-records: an S0 header with the image name, S1 (up to 64 KiB) or S2, an S5
  or S6 count and a closing S9 or S8. Lines end with LF. The image is at most
  16 MiB: as with import, Intel HEX and S-records cover no more.
  --format FORMAT      ihex or srec
  --record-size N      data bytes per record, 1 to 250 (16)
  --base ADDRESS       address of image byte 0 in the records (0): 04 records
                       or S2/S3 when the addresses need them
  -o, --output OUTPUT  output file; without it, or with -, standard output
</translation>
    </message>
    <message>
      <source>chaserom-tool import [--fill HH] [--size N] [--base АДРЕС] [--window НАЧАЛО-КОНЕЦ]
  [-o ВЫХОД] ВХОД
  Читает Intel HEX (записи 00-05) или S-записи (S0-S9) и пишет образ с адреса 0.
  Формат узнаётся по первому символу. Пропуски и хвост заполняются байтом HH;
  длина образа равна наибольшему адресу + 1 или N. Не принимаются, с номером
  строки: неверная контрольная сумма, испорченная строка, неверный счётчик
  S5/S6, записи с разными данными по одному адресу, адрес за 16 МиБ (ошибка
  называет наименьший адрес данных и базу), Intel HEX без записи конца.
  S-записи без завершающей принимаются с предупреждением, если их число
  подтверждает запись S5 или S6; записи после завершающей начинают новый блок
  со своим счётчиком. Файл без данных даёт пустой образ (или N байтов HH) с
  предупреждением. Строки кончаются LF, CR LF или,
  если в файле нет ни одного LF, только CR. ВХОД - читает стандартный ввод;
  тогда без -o образ идёт в стандартный вывод.
  --fill HH           байт для пропусков, две шестнадцатеричные цифры (FF)
  --size N            длина образа ровно N байт; данные за ней ошибка
  --base АДРЕС        адрес файла, который станет байтом 0 образа; данные ниже
                      него ошибка
  --window НАЧАЛО-КОНЕЦ  читать только данные по адресам НАЧАЛО..КОНЕЦ включительно;
                      остальные пропускаются с предупреждением
  -o, --output ВЫХОД  выходной файл (ВХОД с расширением .bin); - стандартный вывод
</source>
      <translation>chaserom-tool import [--fill HH] [--size N] [--base ADDRESS]
  [--window START-END] [-o OUTPUT] INPUT
  Reads Intel HEX (records 00-05) or S-records (S0-S9) and writes an image from
  address 0. The format is detected from the first character. Gaps and the tail
  are filled with the byte HH; the image is the highest address + 1 long, or N.
  Rejected, with the line number: a wrong checksum, a damaged line, a wrong
  S5/S6 count, records with different data at one address, an address past
  16 MiB (the error names the lowest data address and the base), Intel HEX with
  no end record. S-records with no closing record are accepted with a warning if
  an S5 or S6 record confirms their number; records after a closing one start a
  new block with its own count. A file with no data gives an empty image (or N
  bytes of HH) with a warning. Lines end with LF, CR LF or, if the file has no
  LF at all, CR alone. An INPUT of - reads standard input; then, without -o, the
  image goes to standard output.
  --fill HH            byte for the gaps, two hexadecimal digits (FF)
  --size N             image exactly N bytes long; data beyond it is an error
  --base ADDRESS       file address that becomes image byte 0; data below it
                       is an error
  --window START-END   read only the data at addresses START..END inclusive;
                       the rest is skipped with a warning
  -o, --output OUTPUT  output file (INPUT with the .bin extension); - for
                       standard output
</translation>
    </message>
    <message>
      <source>chaserom-tool checksum ОБРАЗ...
  Для каждого образа строка: sum16=XXXX sum32=XXXXXXXX crc32=XXXXXXXX size=N ИМЯ
  sum32: сумма байтов по модулю 2^32, sum16: её младшие 16 бит,
  crc32: CRC-32 как в zlib.
</source>
      <translation>chaserom-tool checksum IMAGE...
  One line per image: sum16=XXXX sum32=XXXXXXXX crc32=XXXXXXXX size=N NAME
  sum32: the sum of the bytes modulo 2^32, sum16: its low 16 bits,
  crc32: CRC-32 as in zlib.
</translation>
    </message>
    <message>
      <source>chaserom-tool compare A B
  Строка 0xSSSS-0xEEEE на каждый отрезок различающихся байтов (оба конца
  включены), по порядку адресов; если длины разные, строка size: A N, B M.
  Код возврата: 0 образы одинаковы, 1 различаются, 2 ошибка.
</source>
      <translation>chaserom-tool compare A B
  One line 0xSSSS-0xEEEE per run of differing bytes (both ends included), in
  address order; if the lengths differ, a line size: A N, B M.
  Exit status: 0 if the images are identical, 1 if they differ, 2 on error.
</translation>
    </message>
    <message>
      <source>chaserom-tool generate ЭФФЕКТ --channels C [--steps N] [--at АДРЕС] [--lit K]
              [--seed S] [--steps-per-program N --program K] [--board ФАЙЛ]
              [--no-board] ОБРАЗ
  Пишет эффект в ОБРАЗ с байта АДРЕС, удлиняя файл (пропуск заполняется FF);
  ОБРАЗ, которого нет, создаётся. Шаг C/8 байт, бит 0 горит; канал 0 это бит 7
  первого байта шага. Эффекты (шагов в одном проходе):
    chase       огонь бежит от канала 0 к C-1 (C)
    chase-back  огонь бежит от канала C-1 к 0 (C)
    bounce      туда и обратно, концы не повторяются (2C-2)
    fill        каналы загораются по одному от 0 (C)
    empty       все горят и гаснут от C-1 (C)
    blink       все горят, все гаснут (2)
    counter     шаг i показывает i в двоичном виде, канал C-1 младший бит
                (2^C, не больше 65536)
    random      в каждом шаге горят ровно K случайных каналов (C)
  random: генератор SplitMix64 с начальным значением S; в каждом шаге каналы
  0..C-1 тасуются частично по Фишеру-Йетсу (для i от 0 до K-1 место i меняется
  с местом i + r, r = следующее число по модулю C-i, числа из верхнего неполного
  отрезка отбрасываются), горят первые K. Те же S дают те же байты везде.
  --channels C  каналов на плате: 8, 16, 24 или 32
  --steps N     шагов (один проход); больше повторяет эффект, random тянет дальше
  --at АДРЕС    первый байт эффекта (0)
  --lit K       random: горящих каналов в шаге, от 0 до C (1)
  --seed S      random: начальное значение, от 0 до 2^64-1 (1)
  --steps-per-program N  шагов в программе платы: степень двойки от 2
  --program K   эффект с первого шага программы K (вместо --at) на всю программу
  --board ФАЙЛ  файл платы; без него chaserom-board.json рядом с ОБРАЗОМ, если он
                есть: каналы и шагов в программе, если их нет в командной строке
  --no-board    не читать файл платы
</source>
      <translation>chaserom-tool generate EFFECT --channels C [--steps N] [--at ADDRESS] [--lit K]
              [--seed S] [--steps-per-program N --program K] [--board FILE]
              [--no-board] IMAGE
  Writes the effect into IMAGE from byte ADDRESS on, extending the file (gaps
  are filled with FF); a missing IMAGE is created. A step is C/8 bytes, bit 0 is
  lit; channel 0 is bit 7 of the step's first byte. Effects (steps per pass):
    chase       a light runs from channel 0 to C-1 (C)
    chase-back  a light runs from channel C-1 to 0 (C)
    bounce      there and back, the ends not repeated (2C-2)
    fill        channels light up one by one from 0 (C)
    empty       all lit, going out one by one from C-1 (C)
    blink       all lit, all out (2)
    counter     step i shows i in binary, channel C-1 is the lowest bit
                (2^C, at most 65536)
    random      exactly K random channels lit in each step (C)
  random: SplitMix64 generator with seed S; in each step, channels 0..C-1 get a
  partial Fisher-Yates shuffle (for i from 0 to K-1, place i swaps with place
  i + r, r = the next number modulo C-i, numbers from the incomplete top range
  are discarded); the first K are lit. The same S gives the same bytes anywhere.
  --channels C  channels on the board: 8, 16, 24 or 32
  --steps N     steps (one pass); more repeats the effect, random just goes on
  --at ADDRESS  first byte of the effect (0)
  --lit K       random: lit channels per step, 0 to C (1)
  --seed S      random: seed, 0 to 2^64-1 (1)
  --steps-per-program N  steps in a board program: a power of two from 2
  --program K   cover the whole of program K with the effect (instead of --at)
  --board FILE  board file; without it, chaserom-board.json next to IMAGE, if
                there is one: channels and steps per program, unless given on
                the command line
  --no-board    do not read a board file
</translation>
    </message>
    <message>
      <source>chaserom-tool gif [--channels C] [--layout ФАЙЛ] [--background КАРТИНКА]
              [--colours ФАЙЛ] [--at АДРЕС] [--steps N] [--interval МС]
              [--steps-per-program N --program K] [--board ФАЙЛ] [--no-board]
              [--scale ПРОЦЕНТ] [--crop-to-lamps] -o ВЫХОД.gif ОБРАЗ
  Анимация GIF того, что показывает окно симулятора, шаг за шагом, без кнопок:
  833 x 597 точек, фоновая картинка из левого верхнего угла, 256 ламп на местах
  расстановки; лампа k показывает канал k mod C, горит цветом канала, погасшая
  чёрная. Фон окна #EFEFEF. Анимация повторяется без конца. Одинаковые подряд
  шаги сливаются в один кадр той же общей длительности. Цвета ламп точные,
  картинка сводится к оставшимся из 256 цветов медианным сечением.
  --channels C          каналов на плате: 8, 16, 24 или 32 (8)
  --layout ФАЙЛ         расстановка ламп (начальная расстановка)
  --background КАРТИНКА фоновая картинка в любом формате, который читает Qt
  --colours ФАЙЛ        цвета каналов (ColorKanal.txt в текущей папке, если он
                        есть, иначе цвета по умолчанию)
  --at АДРЕС            первый байт первого шага (0)
  --steps N             кадров (все целые шаги от АДРЕСА, не больше 10000)
  --interval МС         длительность шага, округляется до сотых долей
                        секунды, не меньше 20 мс (300)
  --steps-per-program N шагов в программе платы: степень двойки от 2
  --program K           шаги программы K (вместо --at и всех шагов)
  --board ФАЙЛ          файл платы; без него chaserom-board.json рядом с
                        ОБРАЗОМ, если он есть: каналы, интервал, лампы,
                        картинка, цвета и шагов в программе, если их нет в
                        командной строке
  --no-board            не читать файл платы
  --scale ПРОЦЕНТ       размер кадров, от 50 до 200 % (100), без сглаживания:
                        цвета ламп остаются точными
  --crop-to-lamps       только лампы и поле в 8 точек вокруг них
  -o, --output ВЫХОД    файл GIF; - стандартный вывод
</source>
      <translation>chaserom-tool gif [--channels C] [--layout FILE] [--background PICTURE]
              [--colours FILE] [--at ADDRESS] [--steps N] [--interval MS]
              [--steps-per-program N --program K] [--board FILE] [--no-board]
              [--scale PERCENT] [--crop-to-lamps] -o OUTPUT.gif IMAGE
  GIF animation of what the simulator window shows, step by step, without
  buttons: 833 x 597 pixels, the background picture from the top left corner,
  256 lamps at their layout places; lamp k shows channel k mod C, lit in the
  channel colour, black when out. Window background #EFEFEF. The animation loops
  forever. Identical consecutive steps merge into one frame of the same total
  duration. Lamp colours are exact; the picture is reduced to the rest of the
  256 colours by median cut.
  --channels C          channels on the board: 8, 16, 24 or 32 (8)
  --layout FILE         lamp layout (otherwise the initial layout)
  --background PICTURE  background picture in any format Qt reads
  --colours FILE        channel colours (ColorKanal.txt in the current folder
                        if it exists, otherwise the default colours)
  --at ADDRESS          first byte of the first step (0)
  --steps N             frames (all whole steps from ADDRESS, at most 10000)
  --interval MS         step duration, rounded to hundredths of a second, at
                        least 20 ms (300)
  --steps-per-program N steps in a board program: a power of two from 2
  --program K           the steps of program K (instead of --at and all steps)
  --board FILE          board file; without it, chaserom-board.json next to
                        IMAGE, if there is one: channels, interval, lamps,
                        picture, colours and steps per program, unless given
                        on the command line
  --no-board            do not read a board file
  --scale PERCENT       frame size, 50 to 200 % (100), without smoothing:
                        lamp colours stay exact
  --crop-to-lamps       only the lamps and an 8-pixel margin around them
  -o, --output OUTPUT   GIF file; - for standard output
</translation>
    </message>
    <message>
      <source>chaserom-tool new (--chip ИМЯ | --size N) [--fill HH] ОБРАЗ
  Пишет новый образ: целую микросхему или N байт, все байты HH (FF: все лампы
  погашены). Существующий файл заменяется целиком.
  --chip ИМЯ   2716, 2732, 2764, 27128, 27C256, 27C512, 27C010, 27C020,
               27C040 или 27C080, в любом регистре, с C или без (27256)
  --size N     длина в байтах, от 1 до 16 МиБ
  --fill HH    байт образа, две шестнадцатеричные цифры (FF)
</source>
      <translation>chaserom-tool new (--chip NAME | --size N) [--fill HH] IMAGE
  Writes a new image: a whole chip or N bytes, every byte HH (FF: all lamps
  out). An existing file is replaced entirely.
  --chip NAME  2716, 2732, 2764, 27128, 27C256, 27C512, 27C010, 27C020,
               27C040 or 27C080, in any case, with or without the C (27256)
  --size N     length in bytes, 1 to 16 MiB
  --fill HH    image byte, two hexadecimal digits (FF)
</translation>
    </message>
  </context>
  <context>
    <name>WholeImageCommands</name>
    <message>
      <source>Имя файла образа слишком короткое для имени копии.</source>
      <translation>The image file name is too short to make the copy's name from.</translation>
    </message>
  </context>
  <context>
    <name>chaserom::App</name>
    <message>
      <source>Шаги эффекта…</source>
      <translation>Effect steps…</translation>
    </message>
    <message>
      <source>Плата…</source>
      <translation>Board…</translation>
    </message>
    <message>
      <source>Новый образ…</source>
      <translation>New image…</translation>
    </message>
    <message>
      <source>Пустой образ целой микросхемы или нужной длины</source>
      <translation>A blank image the size of a whole chip or of any length</translation>
    </message>
    <message>
      <source>Всё изображение эффекта: шаги и каналы</source>
      <translation>The whole effect at a glance: steps and channels</translation>
    </message>
    <message>
      <source>Лампы на картинке платы: расставить, сосчитать, раскрасить</source>
      <translation>Lamps on the board picture: place, count and colour them</translation>
    </message>
    <message>
      <source>
Новый образ не открыт, страница осталась в окне. Чтобы открыть его без записи страницы, снимите «Сохранять».</source>
      <translation>
The new image was not opened; the page stays in the window. To open it without writing the page, clear “Save”.</translation>
    </message>
    <message>
      <source>Экспорт раскладки</source>
      <translation>Export layout</translation>
    </message>
    <message>
      <source>Открыть Intel HEX или S-записи</source>
      <translation>Open Intel HEX or S-record file</translation>
    </message>
    <message>
      <source>Сохранить образ как</source>
      <translation>Save image as</translation>
    </message>
    <message>
      <source>Новый образ</source>
      <translation>New image</translation>
    </message>
  </context>
  <context>
    <name>chaserom::BoardKeeper</name>
    <message>
      <source>Файл образа не открыт: плата хранится в папке образа.</source>
      <translation>No image file is open: the board is kept in the image's folder.</translation>
    </message>
    <message>
      <source>Открыть плату</source>
      <translation>Open board</translation>
    </message>
  </context>
  <context>
    <name>chaserom::BoardView</name>
    <message>
      <source>Лампы платы</source>
      <translation>Board lamps</translation>
    </message>
    <message>
      <source>Лампы перетаскиваются мышью или стрелками; выделение рамкой</source>
      <translation>Drag lamps with the mouse or move them with the arrow keys; drag a frame to select</translation>
    </message>
    <message>
      <source>Лампа %1, канал %2, выделена</source>
      <translation>Lamp %1, channel %2, selected</translation>
    </message>
    <message>
      <source>Лампа %1, канал %2</source>
      <translation>Lamp %1, channel %2</translation>
    </message>
  </context>
  <context>
    <name>chaserom::BoardWindow</name>
    <message>
      <source>Плата</source>
      <translation>Board</translation>
    </message>
    <message>
      <source>перемещение ламп</source>
      <translation>move lamps</translation>
    </message>
    <message>
      <source>&amp;Файл</source>
      <translation>&amp;File</translation>
    </message>
    <message>
      <source>Сохранить плату</source>
      <translation>Save board</translation>
    </message>
    <message>
      <source>Экспорт раскладки…</source>
      <translation>Export layout…</translation>
    </message>
    <message>
      <source>Картинка…</source>
      <translation>Picture…</translation>
    </message>
    <message>
      <source>Закрыть</source>
      <translation>Close</translation>
    </message>
    <message>
      <source>&amp;Правка</source>
      <translation>&amp;Edit</translation>
    </message>
    <message>
      <source>Отменить</source>
      <translation>Undo</translation>
    </message>
    <message>
      <source>Повторить</source>
      <translation>Redo</translation>
    </message>
    <message>
      <source>&amp;Вид</source>
      <translation>&amp;View</translation>
    </message>
    <message>
      <source>Крупнее</source>
      <translation>Zoom in</translation>
    </message>
    <message>
      <source>Мельче</source>
      <translation>Zoom out</translation>
    </message>
    <message>
      <source>&amp;Расставить</source>
      <translation>&amp;Arrange</translation>
    </message>
    <message>
      <source>Расставить</source>
      <translation>Arrange</translation>
    </message>
    <message>
      <source>В ряд</source>
      <translation>In a row</translation>
    </message>
    <message>
      <source>в ряд</source>
      <translation>arrange in a row</translation>
    </message>
    <message>
      <source>В столбец</source>
      <translation>In a column</translation>
    </message>
    <message>
      <source>в столбец</source>
      <translation>arrange in a column</translation>
    </message>
    <message>
      <source>По дуге</source>
      <translation>On an arc</translation>
    </message>
    <message>
      <source>по дуге</source>
      <translation>arrange on an arc</translation>
    </message>
    <message>
      <source>Сеткой…</source>
      <translation>In a grid…</translation>
    </message>
    <message>
      <source>Выровнять по верху</source>
      <translation>Align top</translation>
    </message>
    <message>
      <source>по верху</source>
      <translation>align top</translation>
    </message>
    <message>
      <source>Выровнять по левому краю</source>
      <translation>Align left</translation>
    </message>
    <message>
      <source>по левому краю</source>
      <translation>align left</translation>
    </message>
    <message>
      <source>Ламп на плате </source>
      <translation>Lamps on board </translation>
    </message>
    <message>
      <source> Сетка, пикс. </source>
      <translation> Grid, px </translation>
    </message>
    <message>
      <source>нет</source>
      <translation>none</translation>
    </message>
    <message>
      <source>Лампы встают на сетку с таким шагом; 0 — без сетки</source>
      <translation>Lamps snap to a grid with this spacing; 0 — no grid</translation>
    </message>
    <message>
      <source>Цвета каналов</source>
      <translation>Channel colours</translation>
    </message>
    <message>
      <source>Канал %1</source>
      <translation>Channel %1</translation>
    </message>
    <message>
      <source>Сеткой</source>
      <translation>In a grid</translation>
    </message>
    <message>
      <source>Столбцов:</source>
      <translation>Columns:</translation>
    </message>
    <message>
      <source>Шаг, пикселей:</source>
      <translation>Spacing, pixels:</translation>
    </message>
    <message>
      <source>сеткой</source>
      <translation>arrange in a grid</translation>
    </message>
    <message>
      <source>ламп на плате: %1</source>
      <translation>lamps on board: %1</translation>
    </message>
    <message>
      <source>Картинка платы</source>
      <translation>Board picture</translation>
    </message>
    <message>
      <source>Ошибка</source>
      <translation>Error</translation>
    </message>
    <message>
      <source>картинка</source>
      <translation>change picture</translation>
    </message>
    <message>
      <source>Цвет канала %1</source>
      <translation>Channel %1 colour</translation>
    </message>
    <message>
      <source>цвет канала %1</source>
      <translation>channel %1 colour</translation>
    </message>
    <message>
      <source>Сохранить плату?</source>
      <translation>Save board?</translation>
    </message>
    <message>
      <source>Ламп на плате</source>
      <translation>Lamps on the board</translation>
    </message>
    <message>
      <source>Сетка, пикс.</source>
      <translation>Grid spacing, pixels</translation>
    </message>
  </context>
  <context>
    <name>chaserom::CodeViewWindow</name>
    <message>
      <source>Адрес</source>
      <translation>Addr.</translation>
    </message>
    <message>
      <source>Данные</source>
      <translation>Data</translation>
    </message>
    <message>
      <source>Файл</source>
      <translation>File</translation>
    </message>
    <message>
      <source>Размер</source>
      <translation>Size</translation>
    </message>
    <message>
      <source>Сохранять</source>
      <translation>Save</translation>
    </message>
    <message>
      <source>Симуляция</source>
      <translation>Simulation</translation>
    </message>
    <message>
      <source>Показать окно симуляции</source>
      <translation>Show simulation window</translation>
    </message>
    <message>
      <source>Работа с файлом</source>
      <translation>File operations</translation>
    </message>
    <message>
      <source>Инверсия</source>
      <translation>Invert</translation>
    </message>
    <message>
      <source>Инверсия всего содержимого файла.</source>
      <translation>Invert the whole content of the file.</translation>
    </message>
    <message>
      <source>Данные из диапазона</source>
      <translation>Data from range</translation>
    </message>
    <message>
      <source>Адреса в десятичном виде с которых копировать данные</source>
      <translation>Addresses, in decimal, to copy the data from</translation>
    </message>
    <message>
      <source>копировать с</source>
      <translation>copy from</translation>
    </message>
    <message>
      <source>Копировать</source>
      <translation>Copy</translation>
    </message>
    <message>
      <source>Нач. &lt;-&gt; Кон.</source>
      <translation>Start &lt;-&gt; End</translation>
    </message>
    <message>
      <source>Ячейки со старшими адресами поместить в начало и наоборот.</source>
      <translation>Put the cells with the highest addresses at the start and vice versa.</translation>
    </message>
    <message>
      <source>Старт</source>
      <translation>Start</translation>
    </message>
    <message>
      <source>Привести размер к указанному</source>
      <translation>Resize to the given size</translation>
    </message>
    <message>
      <source>Просмотр кода</source>
      <translation>Code view</translation>
    </message>
    <message>
      <source>Аналогична применению реверсивного счетчика</source>
      <translation>Works like a reversing counter</translation>
    </message>
    <message>
      <source>Открыть файл образа</source>
      <translation>Open image file</translation>
    </message>
    <message>
      <source>Адрес строки %1, десятичный</source>
      <translation>Address of row %1, decimal</translation>
    </message>
    <message>
      <source>Адрес строки %1, шестнадцатеричный</source>
      <translation>Address of row %1, hexadecimal</translation>
    </message>
    <message>
      <source>Байт %1, шестнадцатеричный</source>
      <translation>Byte %1, hexadecimal</translation>
    </message>
    <message>
      <source>Байт %1, двоичный</source>
      <translation>Byte %1, binary</translation>
    </message>
    <message>
      <source>Страница образа</source>
      <translation>Image page</translation>
    </message>
    <message>
      <source>Интервал симуляции, мс</source>
      <translation>Simulation interval, ms</translation>
    </message>
    <message>
      <source>Путь к образу</source>
      <translation>Image path</translation>
    </message>
    <message>
      <source>Длина образа, байт</source>
      <translation>Image length, bytes</translation>
    </message>
    <message>
      <source>Адрес страницы, десятичный</source>
      <translation>Page address, decimal</translation>
    </message>
    <message>
      <source>Начало диапазона копирования</source>
      <translation>Start of the range to copy</translation>
    </message>
    <message>
      <source>Конец диапазона копирования</source>
      <translation>End of the range to copy</translation>
    </message>
    <message>
      <source>Куда копировать</source>
      <translation>Copy to address</translation>
    </message>
    <message>
      <source>Размер копии, байт</source>
      <translation>Size of the copy, bytes</translation>
    </message>
    <message>
      <source>Светодиод бита %1 байта %2: горит</source>
      <translation>LED of bit %1 of byte %2: lit</translation>
    </message>
    <message>
      <source>Светодиод бита %1 байта %2: не горит</source>
      <translation>LED of bit %1 of byte %2: unlit</translation>
    </message>
  </context>
  <context>
    <name>chaserom::ColourPanel</name>
    <message>
      <source>Панель цвета</source>
      <translation>Colour panel</translation>
    </message>
  </context>
  <context>
    <name>chaserom::DifferencesPanel</name>
    <message>
      <source>Различия</source>
      <translation>Differences</translation>
    </message>
    <message>
      <source>длина: %1 байт, у «%2» %3</source>
      <translation>length: %1 bytes, “%2” has %3</translation>
    </message>
    <message>
      <source>совпадает с «%1»</source>
      <translation>same as “%1”</translation>
    </message>
    <message>
      <source>Различия с «%1»</source>
      <translation>Differences from “%1”</translation>
    </message>
  </context>
  <context>
    <name>chaserom::GifExportDialog</name>
    <message>
      <source>Обрезать по лампам</source>
      <translation>Crop to lamps</translation>
    </message>
    <message>
      <source>Экспорт GIF</source>
      <translation>Export GIF</translation>
    </message>
    <message>
      <source>всё изображение</source>
      <translation>whole image</translation>
    </message>
    <message>
      <source>программа %1</source>
      <translation>program %1</translation>
    </message>
    <message>
      <source>программа (плата без программ)</source>
      <translation>program (board has no programs)</translation>
    </message>
    <message>
      <source>выделенные шаги</source>
      <translation>selected steps</translation>
    </message>
    <message>
      <source>Что показать:</source>
      <translation>Show:</translation>
    </message>
    <message>
      <source> мс</source>
      <translation> ms</translation>
    </message>
    <message>
      <source>Сколько стоит каждый кадр; GIF считает время сотыми долями секунды</source>
      <translation>How long each frame lasts; GIF counts time in hundredths of a second</translation>
    </message>
    <message>
      <source>Кадр:</source>
      <translation>Frame:</translation>
    </message>
    <message>
      <source>Масштаб:</source>
      <translation>Scale:</translation>
    </message>
    <message>
      <source>Только лампы и небольшое поле вокруг них, без остальной картинки</source>
      <translation>Only the lamps and a small margin around them, without the rest of the picture</translation>
    </message>
  </context>
  <context>
    <name>chaserom::HistoryActions</name>
    <message>
      <source>Отменить</source>
      <translation>Undo</translation>
    </message>
    <message>
      <source>Повторить</source>
      <translation>Redo</translation>
    </message>
  </context>
  <context>
    <name>chaserom::ImageDocument</name>
    <message>
      <source>файл изменила другая программа после этого шага; ничего не изменено</source>
      <translation>another program changed the file after this step; nothing was changed</translation>
    </message>
    <message>
      <source>; прежние байты и длина файла восстановлены</source>
      <translation>; the previous bytes and file length were restored</translation>
    </message>
    <message>
      <source>неизвестная ошибка</source>
      <translation>unknown error</translation>
    </message>
    <message>
      <source>; вернуть прежнее не удалось (%1): байты с %2 по %3 могут быть уже новыми, остальные прежние, длина файла %4 байт (была %5)</source>
      <translation>; restoring the previous state failed (%1): bytes %2 to %3 may already be new, the rest are old; the file is %4 bytes long (was %5)</translation>
    </message>
    <message>
      <source>копирование %1–%2 в %3</source>
      <translation>copy %1–%2 to %3</translation>
    </message>
    <message>
      <source>инверсия 0–%1</source>
      <translation>invert 0–%1</translation>
    </message>
    <message>
      <source>перестановка 0–%1</source>
      <translation>reverse 0–%1</translation>
    </message>
    <message>
      <source>; история правок очищена</source>
      <translation>; edit history cleared</translation>
    </message>
  </context>
  <context>
    <name>chaserom::NewImageDialog</name>
    <message>
      <source>Новый образ</source>
      <translation>New image</translation>
    </message>
    <message>
      <source>Другая длина</source>
      <translation>Other length</translation>
    </message>
    <message>
      <source>байт: 1000 или 0x3E8</source>
      <translation>bytes: 1000 or 0x3E8</translation>
    </message>
    <message>
      <source>FF: все лампы погашены</source>
      <translation>FF: all lamps off</translation>
    </message>
    <message>
      <source>Микросхема:</source>
      <translation>Chip:</translation>
    </message>
    <message>
      <source>Длина:</source>
      <translation>Length:</translation>
    </message>
    <message>
      <source>Заполнить байтом:</source>
      <translation>Fill with byte:</translation>
    </message>
  </context>
  <context>
    <name>chaserom::PageRows</name>
    <message>
      <source>правка байта %1</source>
      <translation>edit byte %1</translation>
    </message>
    <message>
      <source>инверсия байта %1</source>
      <translation>invert byte %1</translation>
    </message>
    <message>
      <source>инверсия бита %1 байта %2</source>
      <translation>invert bit %1 of byte %2</translation>
    </message>
    <message>
      <source>файл стал короче (%1 байт), его изменила другая программа; строки с адреса %2 не записаны</source>
      <translation>the file got shorter (%1 bytes) because another program changed it; rows from address %2 were not written</translation>
    </message>
  </context>
  <context>
    <name>chaserom::PatternDialog</name>
    <message>
      <source>Создать узор</source>
      <translation>Create pattern</translation>
    </message>
    <message>
      <source>Узор:</source>
      <translation>Pattern:</translation>
    </message>
    <message>
      <source>Сколько ламп горит в каждом шаге случайного узора</source>
      <translation>How many lamps are lit in each step of a random pattern</translation>
    </message>
    <message>
      <source>Горящих ламп:</source>
      <translation>Lit lamps:</translation>
    </message>
    <message>
      <source>Одно и то же число даёт один и тот же случайный узор</source>
      <translation>The same number always gives the same random pattern</translation>
    </message>
    <message>
      <source>Зерно:</source>
      <translation>Seed:</translation>
    </message>
  </context>
  <context>
    <name>chaserom::ProgramToolBar</name>
    <message>
      <source>Плата</source>
      <translation>Board</translation>
    </message>
    <message>
      <source>Шагов в программе </source>
      <translation>Steps per program </translation>
    </message>
    <message>
      <source>Сколько шагов проходит счётчик платы; старшие адреса, заданные переключателями, выбирают программу</source>
      <translation>How many steps the board's counter runs through; the high address bits set by the switches choose the program</translation>
    </message>
    <message>
      <source>Программа </source>
      <translation>Program </translation>
    </message>
    <message>
      <source>Программа, которую играет симуляция, как при этом положении переключателей</source>
      <translation>The program the simulation plays, as with the switches in that position</translation>
    </message>
    <message>
      <source>Интервал, мс </source>
      <translation>Interval, ms </translation>
    </message>
    <message>
      <source>Время одного шага симуляции; то же, что полоса интервала в окне кода</source>
      <translation>Duration of one simulation step; the same as the interval bar in the code view</translation>
    </message>
    <message>
      <source>всё изображение</source>
      <translation>whole image</translation>
    </message>
    <message>
      <source> из %1</source>
      <translation> of %1</translation>
    </message>
    <message>
      <source>Шагов в программе</source>
      <translation>Steps per program</translation>
    </message>
    <message>
      <source>Программа</source>
      <translation>Program</translation>
    </message>
    <message>
      <source>Интервал, мс</source>
      <translation>Interval, ms</translation>
    </message>
  </context>
  <context>
    <name>chaserom::RecordPlacementDialog</name>
    <message>
      <source>Где лежат данные</source>
      <translation>Where the data lies</translation>
    </message>
    <message>
      <source>Данные файла лежат по адресам %1–%2 (%3 байт).</source>
      <translation>The file's data lies at addresses %1–%2 (%3 bytes).</translation>
    </message>
    <message>
      <source>Адрес в файле, который станет байтом 0 образа</source>
      <translation>The address in the file that becomes byte 0 of the image</translation>
    </message>
    <message>
      <source>всё</source>
      <translation>all</translation>
    </message>
    <message>
      <source>База (байт 0 образа):</source>
      <translation>Base (byte 0 of the image):</translation>
    </message>
    <message>
      <source>Читать с адреса:</source>
      <translation>Read from address:</translation>
    </message>
    <message>
      <source>по адрес:</source>
      <translation>to address:</translation>
    </message>
  </context>
  <context>
    <name>chaserom::SimulatorWindow</name>
    <message>
      <source>Симулятор экрана</source>
      <translation>Screen simulator</translation>
    </message>
    <message>
      <source>Лампа %1, канал %2: горит</source>
      <translation>Lamp %1, channel %2: lit</translation>
    </message>
    <message>
      <source>Лампа %1, канал %2: не горит</source>
      <translation>Lamp %1, channel %2: unlit</translation>
    </message>
  </context>
  <context>
    <name>chaserom::StepEditorWindow</name>
    <message>
      <source>Шаги эффекта</source>
      <translation>Effect steps</translation>
    </message>
    <message>
      <source>&amp;Файл</source>
      <translation>&amp;File</translation>
    </message>
    <message>
      <source>Открыть Intel HEX или S-записи…</source>
      <translation>Open Intel HEX or S-record file…</translation>
    </message>
    <message>
      <source>Перевести файл Intel HEX или S-записей в образ .bin рядом с ним и открыть его</source>
      <translation>Convert an Intel HEX or S-record file into a .bin image next to it and open that</translation>
    </message>
    <message>
      <source>Сохранить образ как…</source>
      <translation>Save image as…</translation>
    </message>
    <message>
      <source>Записать образ в другой файл и дальше работать с ним</source>
      <translation>Write the image to another file and go on working with that one</translation>
    </message>
    <message>
      <source>Открыть плату…</source>
      <translation>Open board…</translation>
    </message>
    <message>
      <source>Взять из файла платы каналы, интервал, программы, картинку, лампы и цвета</source>
      <translation>Take the channels, interval, programs, picture, lamps and colours from a board file</translation>
    </message>
    <message>
      <source>Сохранить плату</source>
      <translation>Save board</translation>
    </message>
    <message>
      <source>Записать каналы, интервал, программы, картинку, лампы и цвета в файл платы chaserom-board.json в папке образа</source>
      <translation>Write the channels, interval, programs, picture, lamps and colours to the board file chaserom-board.json in the image's folder</translation>
    </message>
    <message>
      <source>Экспорт в Intel HEX…</source>
      <translation>Export to Intel HEX…</translation>
    </message>
    <message>
      <source>Записать образ в файл Intel HEX для программатора</source>
      <translation>Write the image to an Intel HEX file for a programmer</translation>
    </message>
    <message>
      <source>Экспорт в S-записи…</source>
      <translation>Export to S-record…</translation>
    </message>
    <message>
      <source>Записать образ в файл S-записей (Motorola) для программатора</source>
      <translation>Write the image to a (Motorola) S-record file for a programmer</translation>
    </message>
    <message>
      <source>Экспорт GIF…</source>
      <translation>Export GIF…</translation>
    </message>
    <message>
      <source>Записать выделенные шаги (или все) как анимацию симулятора в GIF</source>
      <translation>Save the selected steps (or all of them) as a GIF animation of the simulator</translation>
    </message>
    <message>
      <source>Сравнить с образом…</source>
      <translation>Compare with image…</translation>
    </message>
    <message>
      <source>Отметить шаги, которыми образ отличается от другого файла</source>
      <translation>Mark the steps in which the image differs from another file</translation>
    </message>
    <message>
      <source>Следующее различие</source>
      <translation>Next difference</translation>
    </message>
    <message>
      <source>Перейти к следующему отличающемуся шагу</source>
      <translation>Go to the next differing step</translation>
    </message>
    <message>
      <source>Предыдущее различие</source>
      <translation>Previous difference</translation>
    </message>
    <message>
      <source>Перейти к предыдущему отличающемуся шагу</source>
      <translation>Go to the previous differing step</translation>
    </message>
    <message>
      <source>Закрыть</source>
      <translation>Close</translation>
    </message>
    <message>
      <source>Закрыть это окно</source>
      <translation>Close this window</translation>
    </message>
    <message>
      <source>&amp;Правка</source>
      <translation>&amp;Edit</translation>
    </message>
    <message>
      <source>Правка</source>
      <translation>Edit</translation>
    </message>
    <message>
      <source>Вырезать</source>
      <translation>Cut</translation>
    </message>
    <message>
      <source>Скопировать выделенные шаги и погасить их (FF)</source>
      <translation>Copy the selected steps and turn them off (FF)</translation>
    </message>
    <message>
      <source>Копировать</source>
      <translation>Copy</translation>
    </message>
    <message>
      <source>Скопировать выделенные шаги как шестнадцатеричный текст</source>
      <translation>Copy the selected steps as hexadecimal text</translation>
    </message>
    <message>
      <source>Вставить поверх</source>
      <translation>Paste over</translation>
    </message>
    <message>
      <source>Записать шаги из буфера обмена поверх, начиная с курсора</source>
      <translation>Write the steps from the clipboard over the existing ones, starting at the cursor</translation>
    </message>
    <message>
      <source>Вставить со сдвигом</source>
      <translation>Paste and shift</translation>
    </message>
    <message>
      <source>Вставить шаги из буфера перед курсором; следующие шаги сдвигаются вниз, вышедшие за конец образа теряются</source>
      <translation>Insert the steps from the clipboard before the cursor; the following steps move down, and those pushed past the end of the image are lost</translation>
    </message>
    <message>
      <source>Удалить шаги</source>
      <translation>Delete steps</translation>
    </message>
    <message>
      <source>Удалить выделенные шаги; следующие сдвигаются вверх, конец заполняется FF</source>
      <translation>Delete the selected steps; the following ones move up and the end is filled with FF</translation>
    </message>
    <message>
      <source>Выделить все шаги</source>
      <translation>Select all steps</translation>
    </message>
    <message>
      <source>Выделить все шаги образа</source>
      <translation>Select all steps of the image</translation>
    </message>
    <message>
      <source>Заполнить…</source>
      <translation>Fill…</translation>
    </message>
    <message>
      <source>Заполнить выделенные шаги повторяющимися байтами</source>
      <translation>Fill the selected steps with repeating bytes</translation>
    </message>
    <message>
      <source>Создать узор…</source>
      <translation>Create pattern…</translation>
    </message>
    <message>
      <source>Записать в выделенные шаги бегущий огонь, счётчик или другой узор</source>
      <translation>Write a chase, a counter or another pattern into the selected steps</translation>
    </message>
    <message>
      <source>Инверсия</source>
      <translation>Invert</translation>
    </message>
    <message>
      <source>Инвертировать все лампы выделенных шагов</source>
      <translation>Invert all lamps of the selected steps</translation>
    </message>
    <message>
      <source>Обратный порядок шагов</source>
      <translation>Reverse step order</translation>
    </message>
    <message>
      <source>Расположить выделенные шаги в обратном порядке (байты шага не переставляются)</source>
      <translation>Put the selected steps in reverse order (the bytes within a step are not reordered)</translation>
    </message>
    <message>
      <source>Зеркально по каналам</source>
      <translation>Mirror channels</translation>
    </message>
    <message>
      <source>Поменять местами каналы k и C−1−k в выделенных шагах</source>
      <translation>Swap channels k and C−1−k in the selected steps</translation>
    </message>
    <message>
      <source>Сдвинуть каналы влево</source>
      <translation>Shift channels left</translation>
    </message>
    <message>
      <source>Каждый канал берёт состояние следующего, последний — первого</source>
      <translation>Each channel takes the state of the next one, the last takes that of the first</translation>
    </message>
    <message>
      <source>Сдвинуть каналы вправо</source>
      <translation>Shift channels right</translation>
    </message>
    <message>
      <source>Каждый канал берёт состояние предыдущего, первый — последнего</source>
      <translation>Each channel takes the state of the previous one, the first takes that of the last</translation>
    </message>
    <message>
      <source>&amp;Вид</source>
      <translation>&amp;View</translation>
    </message>
    <message>
      <source>Вид</source>
      <translation>View</translation>
    </message>
    <message>
      <source>Крупнее</source>
      <translation>Zoom in</translation>
    </message>
    <message>
      <source>Увеличить клетки (Ctrl и колесо мыши)</source>
      <translation>Make the cells larger (Ctrl and mouse wheel)</translation>
    </message>
    <message>
      <source>Мельче</source>
      <translation>Zoom out</translation>
    </message>
    <message>
      <source>Уменьшить клетки (Ctrl и колесо мыши)</source>
      <translation>Make the cells smaller (Ctrl and mouse wheel)</translation>
    </message>
    <message>
      <source>Цвета каналов</source>
      <translation>Channel colours</translation>
    </message>
    <message>
      <source>Горящие лампы в цветах их каналов, а не белые</source>
      <translation>Show lit lamps in the colours of their channels instead of white</translation>
    </message>
    <message>
      <source>Лампы как на плате</source>
      <translation>Lamps as on the board</translation>
    </message>
    <message>
      <source>Погасшие лампы чёрные, горящие без светлой каймы, как на плате</source>
      <translation>Unlit lamps black, lit ones without the light rim, as on the board</translation>
    </message>
    <message>
      <source>Следовать за воспроизведением</source>
      <translation>Follow playback</translation>
    </message>
    <message>
      <source>Во время симуляции держать текущий шаг на виду</source>
      <translation>Keep the current step in view during simulation</translation>
    </message>
    <message>
      <source>П&amp;ереход</source>
      <translation>&amp;Go</translation>
    </message>
    <message>
      <source>Переход</source>
      <translation>Go</translation>
    </message>
    <message>
      <source>Перейти…</source>
      <translation>Go to…</translation>
    </message>
    <message>
      <source>Перейти к адресу (100, 0x64), шагу (#25) или на несколько шагов (+4, -4)</source>
      <translation>Go to an address (100, 0x64), a step (#25) or a number of steps away (+4, -4)</translation>
    </message>
    <message>
      <source>Найти…</source>
      <translation>Find…</translation>
    </message>
    <message>
      <source>Найти байты, например 7F ?? DF (?? — любой байт)</source>
      <translation>Find bytes, e.g. 7F ?? DF (?? matches any byte)</translation>
    </message>
    <message>
      <source>Найти далее</source>
      <translation>Find next</translation>
    </message>
    <message>
      <source>Следующее место с теми же байтами</source>
      <translation>Next place with the same bytes</translation>
    </message>
    <message>
      <source>Найти назад</source>
      <translation>Find previous</translation>
    </message>
    <message>
      <source>Предыдущее место с теми же байтами</source>
      <translation>Previous place with the same bytes</translation>
    </message>
    <message>
      <source>Программа…</source>
      <translation>Program…</translation>
    </message>
    <message>
      <source>Выбрать программу и перейти к её первому шагу</source>
      <translation>Choose a program and go to its first step</translation>
    </message>
    <message>
      <source>Играть выделенное</source>
      <translation>Play selection</translation>
    </message>
    <message>
      <source>Симуляция по кругу только выделенных шагов, пока она идёт или выделение не снято</source>
      <translation>Loop the simulation over the selected steps only, while it runs or until the selection is cleared</translation>
    </message>
    <message>
      <source>Выделите шаги, которые играть по кругу.</source>
      <translation>Select the steps to play in a loop.</translation>
    </message>
    <message>
      <source>Контрольные суммы образа, каким его показывает это окно, как их показывают программаторы</source>
      <translation>Checksums of the image as this window shows it, in the form programmers show them</translation>
    </message>
    <message>
      <source>%1 байт, %2 шагов</source>
      <translation>%1 bytes, %2 steps</translation>
    </message>
    <message>
      <source>Выделено: %1</source>
      <translation>Selected: %1</translation>
    </message>
    <message>
      <source>Ничего не выделено</source>
      <translation>Nothing selected</translation>
    </message>
    <message>
      <source>Сравнить с образом</source>
      <translation>Compare with image</translation>
    </message>
    <message>
      <source>Язык / Language</source>
      <translation>Language</translation>
    </message>
    <message>
      <source>Русский</source>
      <translation>Russian</translation>
    </message>
    <message>
      <source>Программа говорит на этом языке</source>
      <translation>The program already speaks this language</translation>
    </message>
    <message>
      <source>Язык сменится при следующем запуске программы</source>
      <translation>The language will change the next time the program starts</translation>
    </message>
  </context>
  <context>
    <name>chaserom::StepGridHeader</name>
    <message>
      <source>Шаг</source>
      <translation>Step</translation>
    </message>
    <message>
      <source>Адрес</source>
      <translation>Address</translation>
    </message>
    <message>
      <source>Байты</source>
      <translation>Bytes</translation>
    </message>
  </context>
  <context>
    <name>chaserom::StepGridView</name>
    <message>
      <source>В образе нет целых шагов</source>
      <translation>The image holds no whole step</translation>
    </message>
    <message>
      <source>Шаг %1, канал %2: горит</source>
      <translation>Step %1, channel %2: lit</translation>
    </message>
    <message>
      <source>Шаг %1, канал %2: не горит</source>
      <translation>Step %1, channel %2: unlit</translation>
    </message>
  </context>
  <context>
    <name>chaserom::ToolStrip</name>
    <message>
      <source>Создать новый файл</source>
      <translation>Create new file</translation>
    </message>
    <message>
      <source>Загрузить</source>
      <translation>Load</translation>
    </message>
    <message>
      <source>Сохранить</source>
      <translation>Save</translation>
    </message>
    <message>
      <source>Сменить фоновое изображение</source>
      <translation>Change background picture</translation>
    </message>
  </context>
  <context>
    <name>messages</name>
    <message>
      <source>Файл образа не открыт: откройте его кнопкой «Файл».</source>
      <translation>No image file is open: open one with the “File” button.</translation>
    </message>
    <message>
      <source>В образе нет ни одного целого шага.</source>
      <translation>The image holds no whole step.</translation>
    </message>
  </context>
</TS>
