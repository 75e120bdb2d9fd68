<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>ConvergenceLoader</name>
    <message>
        <location filename="../form/ConvergenceLoader.cpp" line="+30"/>
        <source>The convergence window cannot open: its module %1 is missing.</source>
        <translation>Окно сходимости не удаётся открыть: нет его модуля %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The convergence window cannot open: its module %1 does not belong to this version of the program.</source>
        <translation>Окно сходимости не удаётся открыть: его модуль %1 относится к другой версии программы.</translation>
    </message>
</context>
<context>
    <name>ConvergencePlot</name>
    <message>
        <location filename="../convergence/ConvergencePlot.cpp" line="+122"/>
        <source>Convergence plot</source>
        <translation>График сходимости</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 series</source>
        <translation>Ряд для %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+62"/>
        <source>value</source>
        <translation>значение</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+84"/>
        <source>|value − exact|</source>
        <translation>|значение − точное|</translation>
    </message>
    <message numerus="yes">
        <location line="-23"/>
        <source>value, %n INF or NaN left out</source>
        <translation>
            <numerusform>значение (пропущено INF/NaN: %n)</numerusform>
            <numerusform>значение (пропущено INF/NaN: %n)</numerusform>
            <numerusform>значение (пропущено INF/NaN: %n)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>exact %1</source>
        <translation>точное %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>stopped at n = %1</source>
        <translation>остановка при n = %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unchanged after n = %1</source>
        <translation>неизменно после n = %1</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1, %n left out: 0, INF or NaN</source>
        <translation>
            <numerusform>%1, пропущено %n значение: 0, INF или NaN</numerusform>
            <numerusform>%1, пропущено %n значения: 0, INF или NaN</numerusform>
            <numerusform>%1, пропущено %n значений: 0, INF или NaN</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>|truncation|</source>
        <translation>|обрыв|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>|rounding|</source>
        <translation>|округление|</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>half an ulp %1</source>
        <translation>половина ulp %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>precision %1</source>
        <translation>точность %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Where it settles: %1.</source>
        <translation>Где сумма устанавливается: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>At the end, truncation is the larger part of the error.</source>
        <translation>В конце большая часть погрешности — погрешность обрыва.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>At the end, rounding is the larger part of the error.</source>
        <translation>В конце большая часть погрешности — погрешность округления.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%1: %n terms</source>
        <translation>
            <numerusform>%1: %n&#xa0;член</numerusform>
            <numerusform>%1: %n&#xa0;члена</numerusform>
            <numerusform>%1: %n&#xa0;членов</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, no finite error</source>
        <translation>, конечной погрешности нет</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, the error is %1</source>
        <translation>, погрешность %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, the error falls from %1 to %2</source>
        <translation>, погрешность убывает от %1 до %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, the error grows from %1 to %2</source>
        <translation>, погрешность растёт от %1 до %2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>, %n INF or NaN values left out</source>
        <translation>
            <numerusform>, пропущено %n&#xa0;значение INF или NaN</numerusform>
            <numerusform>, пропущено %n&#xa0;значения INF или NaN</numerusform>
            <numerusform>, пропущено %n&#xa0;значений INF или NaN</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConvergenceTable</name>
    <message>
        <location filename="../convergence/ConvergenceTable.cpp" line="+35"/>
        <source>exact %1</source>
        <translation>точное %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exact %1; both series give the same number: all digits lost</source>
        <translation>точное %1; оба ряда дают одно и то же число: потеряны все цифры</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exact %1; condition %2, %3 digits lost</source>
        <translation>точное %1; число обусловленности %2, потеряно цифр: %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no longer changes</source>
        <translation>больше не меняется</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>truncation: the exact sum of the first n terms minus the exact limit, what cutting the series off costs</source>
        <translation>погрешность обрыва: точная сумма первых n членов минус точный предел, цена того, что ряд оборван</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>rounding: the value minus the exact sum of the same n terms, what single precision costs</source>
        <translation>погрешность округления: значение минус точная сумма тех же n членов, цена одинарной точности</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the rounding in units in the last place of the value</source>
        <translation>погрешность округления в единицах последнего разряда (ulp) значения</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>correct significant digits of the value against the exact limit</source>
        <translation>количество верных значащих цифр значения относительно точного предела</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the same statements with every store in double, minus the exact limit; not the program&apos;s result</source>
        <translation>те же операторы, но каждое сохранение в double, минус точный предел; это не результат программы</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>series</source>
        <translation>ряд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>term</source>
        <translation>член</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>value</source>
        <translation>значение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shown − exact</source>
        <translation>показанное − точное</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trunc.</source>
        <translation>обрыв</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>round.</source>
        <translation>округл.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ulps</source>
        <translation>ulp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>digits</source>
        <translation>цифры</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>double err.</source>
        <translation>погрешн. double</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stopped</source>
        <translation>причина остановки</translation>
    </message>
</context>
<context>
    <name>ConvergenceWindow</name>
    <message>
        <location filename="../convergence/ConvergenceWindow.cpp" line="+66"/>
        <source>Convergence</source>
        <translation>Сходимость</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every iteration</source>
        <translation>Все итерации</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save table as CSV…</source>
        <translation>Сохранить таблицу в формате CSV…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save the table</source>
        <translation>Сохранение таблицы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save plot as SVG…</source>
        <translation>Сохранить график в формате SVG…</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <source>Save the plot</source>
        <translation>Сохранение графика</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>SVG images (*.svg)</source>
        <translation>Изображения SVG (*.svg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save plot as PNG…</source>
        <translation>Сохранить график в формате PNG…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG images (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1 could not be written.</source>
        <translation>Не удалось записать %1.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 could not be written: %2. A file of that name was left as it was.</source>
        <translation>Не удалось записать %1: %2. Файл с таким именем оставлен без изменений.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../form/HelpWindow.cpp" line="+36"/>
        <source>Series Calculator help</source>
        <translation>Справка по программе «Степенной ряд»</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Where the error comes from</source>
        <translation>Откуда берётся погрешность</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The convergence window splits each value&apos;s error, shown − exact, in two. Truncation is what cutting the series off costs: the exact sum of its first n terms minus the exact limit. Rounding is what single precision costs: the value minus that exact sum. The two add up to the error.</source>
        <translation>Окно сходимости раскладывает погрешность каждого значения, показанное − точное, на две части. Погрешность обрыва — цена того, что ряд оборван: точная сумма первых n членов ряда минус точный предел. Погрешность округления — цена одинарной точности: значение минус эту точную сумму. Вместе они дают погрешность.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An ulp is the spacing of singles at the value, a unit in its last place; the ulps column gives the rounding in them. Correct digits are −log₁₀ of the error relative to the exact limit: a single holds about 7.</source>
        <translation>Ulp — расстояние между соседними числами одинарной точности около значения, единица его последнего разряда; столбец ulp даёт погрешность округления в этих единицах. Количество верных цифр — это −log₁₀ относительной погрешности относительно точного предела: у числа одинарной точности их около 7.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The double column sums the same series by the same statements, with every result stored in double instead of single, and gives its error. It shows how much of the rounding is single precision&apos;s; it is not the program&apos;s result.</source>
        <translation>Столбец double суммирует тот же ряд теми же операторами, но сохраняет каждый результат в double вместо одинарной точности, и показывает его погрешность. Он показывает, какая часть округления приходится на одинарную точность; это не результат программы.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With x = 1 and precision %1, the e^2x series stops after 10 terms at %2: truncation %3, rounding %4. With precision 0 it runs %5 terms, but after term 13 the sum no longer changes: every later term is below half an ulp of it, and the error stays at %6, all of it rounding.</source>
        <translation>При x = 1 и точности %1 ряд для e^2x останавливается после 10 членов на %2: погрешность обрыва %3, погрешность округления %4. При точности 0 он суммирует %5 членов, но после 13-го члена сумма больше не меняется: каждый следующий член меньше половины ulp суммы, и погрешность остаётся %6 — это вся погрешность округления.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancellation: the combined value subtracts the two series. Where they are nearly equal, their rounding stays while their difference shrinks, and digits are lost. The condition number (|S1| + |S2|) / |S1 − S2| says how much; its log₁₀ is the digits lost. At x = %1 both series are about 25, and about 5 of 7 digits are lost.</source>
        <translation>Сокращение: значение выражения вычитает один ряд из другого. Когда ряды почти равны, их погрешность округления остаётся, а разность уменьшается, и цифры теряются. Сколько — говорит число обусловленности (|S1| + |S2|) / |S1 − S2|; его log₁₀ — количество потерянных цифр. При x = %1 оба ряда около 25, и потеряно около 5 из 7 цифр.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>What it computes</source>
        <translation>Что вычисляет программа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type x into the upper input and the precision into the lower one, then press %1. The program sums two power series term by term in single precision: 1 + Σ (2x)ⁿ/n!, which approaches e^2x, and 5·(1 + Σ xⁿ/n!), which approaches 5e^x. Each series stops after its first term at or below the precision, or after %2 terms.</source>
        <translation>Введите x в верхнее поле, а точность — в нижнее, затем нажмите «%1». Программа почленно суммирует два степенных ряда в арифметике одинарной точности: &lt;nobr&gt;1 + Σ (2x)ⁿ/n!&lt;/nobr&gt;, приближающий e^2x, и &lt;nobr&gt;5·(1 + Σ xⁿ/n!)&lt;/nobr&gt;, приближающий 5e^x. Суммирование каждого ряда прекращается после первого члена, не превышающего точности, или после %2&#xa0;членов.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The three results, top to bottom: the 5e^x series, the combined value (first − second)·x², and the e^2x series. After %1 and %2, the three numbers on the right are the saved precision, x and e^2x value.</source>
        <translation>Три результата сверху вниз: ряд для 5e^x, значение выражения &lt;nobr&gt;(первый − второй)·x²&lt;/nobr&gt; и ряд для e^2x. После нажатия «%1» и «%2» три числа справа — это записанные точность, x и значение ряда для e^2x.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tooltips and copying</source>
        <translation>Подсказки и копирование</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Point at a result: its tooltip tells how many terms were summed, why the series stopped, the exact value and how far the shown value is from it.</source>
        <translation>Наведите указатель мыши на результат: подсказка покажет, сколько членов просуммировано, почему суммирование прекратилось, точное значение и насколько показанное значение от него отличается.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Right-click a result or a saved number to copy the number as shown, all three results (one number a line, top to bottom), or every iteration of the last computation as CSV, the text that series-table --csv prints. A double-click selects the whole number.</source>
        <translation>Щёлкните правой кнопкой мыши по результату или записанному числу, чтобы скопировать это число в том виде, в каком оно показано, все три результата (по одному числу в строке, сверху вниз) или все итерации последнего вычисления в формате CSV — тот же текст, что выводит &lt;nobr&gt;series-table --csv&lt;/nobr&gt;. Двойной щелчок выделяет число целиком.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in an input: computes; on a button: presses it</source>
        <translation>в поле ввода — вычисляет; на кнопке — нажимает её</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>presses the focused button</source>
        <translation>нажимает кнопку, находящуюся в фокусе</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moves to the next input or button</source>
        <translation>переходит к следующему полю или кнопке</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>copies the three results</source>
        <translation>копирует три результата</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>opens the convergence window: every iteration, a plot, export</source>
        <translation>открывает окно сходимости: все итерации, график, экспорт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>opens this help</source>
        <translation>открывает эту справку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closes this help</source>
        <translation>закрывает эту справку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closes the window</source>
        <translation>закрывает окно</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file</source>
        <translation>Файл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 saves the precision, x and the e^2x value as 20 bytes in Test.txt in the folder the program was started from (from the menu, usually your home folder), here %2. It writes over an existing Test.txt only if that file is empty, holds such a record, or holds the 13 to 19 bytes a save cut short leaves. Any other file is left alone, and the message names the folder and the reason: not a record of this program, not an ordinary file, or a file that could not be read.</source>
        <translation>Кнопка «%1» записывает точность, x и значение ряда для e^2x (20 байт) в файл Test.txt в папке, из которой запущена программа (при запуске из меню это обычно ваша домашняя папка), здесь — %2. Существующий Test.txt перезаписывается, только если он пуст, содержит запись такого формата или 13–19 байт, оставленных прерванным сохранением. Любой другой файл остаётся без изменений, а сообщение называет папку и причину: это не запись этой программы, не обычный файл или файл, который не удалось прочитать.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; means that Test.txt could not be opened or created (a directory of that name, a read-only file, a folder you cannot write), or that the disk was full. A save that stops short puts back what was there, so %2 never shows a record that was not saved. %2 says whether the file is too short to hold a record or could not be read, and &quot;%3&quot; when it cannot be opened.</source>
        <translation>«%1» означает, что Test.txt не удалось открыть или создать (папка с таким именем, файл только для чтения, папка, в которую вы не можете записывать), или что диск заполнен. Прерванное сохранение возвращает то, что было в файле, поэтому «%2» никогда не покажет запись, которая не была сохранена. «%2» сообщает, слишком ли короток файл для записи или его не удалось прочитать, и говорит «%3», когда файл не удаётся открыть.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The convergence window&apos;s exports are written whole or not at all: one that fails leaves the file it was to replace as it was, and says why.</source>
        <translation>Экспорт из окна сходимости записывается целиком или не записывается вовсе: неудачный экспорт оставляет без изменений файл, который должен был заменить, и сообщает причину.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Series Calculator %1. Licence: MIT; it comes with no warranty.</source>
        <translation>«Степенной ряд», версия %1. Лицензия: MIT; программа поставляется без каких-либо гарантий.</translation>
    </message>
</context>
<context>
    <name>ResultHint</name>
    <message>
        <location filename="../form/ResultHint.cpp" line="+18"/>
        <source>terms summed: %1</source>
        <translation>просуммировано членов: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>stopped: %1</source>
        <translation>причина остановки: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>exact %1 = %2</source>
        <translation>точное значение %1 = %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shown − exact = %1</source>
        <translation>показанное − точное = %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>all digits lost to cancellation: both series give the same number</source>
        <translation>из-за сокращения потеряны все цифры: оба ряда дают одно и то же число</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>about %1 of 7 digits lost to cancellation: the two series are nearly equal</source>
        <translation>из-за сокращения потеряно около %1 из 7 цифр: два ряда почти равны</translation>
    </message>
</context>
<context>
    <name>SeriesWords</name>
    <message>
        <location filename="../form/SeriesWords.cpp" line="+17"/>
        <source>e^2x</source>
        <translation>e^2x</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>e^2x series</source>
        <translation>ряд для e^2x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e^2x: %1</source>
        <translation>e^2x: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5e^x</source>
        <translation>5e^x</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>5e^x series</source>
        <translation>ряд для 5e^x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5e^x: %1</source>
        <translation>5e^x: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>combined</source>
        <translation>выражение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>combined value (first − second)·x²</source>
        <translation>значение выражения (первый − второй)·x²</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>combined value: %1</source>
        <translation>значение выражения: %1</translation>
    </message>
</context>
<context>
    <name>StopText</name>
    <message>
        <location filename="../words/StopWords.cpp" line="+59"/>
        <source>its term, %1, is at or below the precision %2: the test takes the term&apos;s sign, so a negative term (x &lt; 0) ends the series at once</source>
        <translation>очередной член ряда, %1, не превышает точности %2: при проверке сравнивается сам член, а не его модуль, поэтому отрицательный член (x &lt; 0) сразу прекращает суммирование</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its term, %1, is at or below the precision %2</source>
        <translation>очередной член ряда, %1, не превышает точности %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its term was NaN, which counts as at or below the precision</source>
        <translation>член ряда равен NaN, а NaN считается не превышающим точности</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>0/0 at x = 0</source>
        <translation>0/0 при x = 0</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the numerator x·(2x)ⁿ left the single range</source>
        <translation>числитель x·(2x)ⁿ вышел за пределы диапазона одинарной точности</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the numerator x·xⁿ left the single range</source>
        <translation>числитель x·xⁿ вышел за пределы диапазона одинарной точности</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the factorial n! left the single range</source>
        <translation>факториал n! вышел за пределы диапазона одинарной точности</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the sum left the single range</source>
        <translation>сумма вышла за пределы диапазона одинарной точности</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the %3-term limit; the last term, %1, was still above the precision %2</source>
        <translation>достигнуто максимальное число членов (%3); последний член, %1, ещё превышал точность %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the value became %1 at term %2: %3</source>
        <translation>на %2-м члене значение стало равным %1: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>after term %1 the sum no longer changes: every later term is below half an ulp of it</source>
        <translation>после %1-го члена сумма больше не меняется: каждый следующий член меньше половины ulp суммы</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../form/Unit1.cpp" line="+51"/>
        <source>recorded precision</source>
        <translation>записанная точность</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>recorded x</source>
        <translation>записанный x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>recorded value of the e^2x series</source>
        <translation>записанное значение ряда для e^2x</translation>
    </message>
    <message>
        <location filename="../form/Spoken.cpp" line="+14"/>
        <source>Saved to %1</source>
        <translation>Сохранено в файл %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read back: precision %1; x %2; e^2x %3</source>
        <translation>Прочитано: точность %1; x %2; e^2x %3</translation>
    </message>
    <message>
        <location filename="../form/Unit1Actions.cpp" line="+24"/>
        <source>Copy all three results</source>
        <translation>Копировать все три результата</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show the convergence</source>
        <translation>Показать окно сходимости</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Copy the number</source>
        <translation>Копировать число</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy every iteration as CSV</source>
        <translation>Копировать все итерации в формате CSV</translation>
    </message>
    <message>
        <location filename="../form/FileMessages.cpp" line="+16"/>
        <source>%1 in %2 is not an ordinary file; it was left unchanged.</source>
        <translation>%1 в %2 — не обычный файл; он оставлен без изменений.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 in %2 is not a record of this program; it was left unchanged.</source>
        <translation>%1 в %2 — не запись этой программы; он оставлен без изменений.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 in %2 could not be read; it was left unchanged.</source>
        <translation>%1 в %2 не удалось прочитать; он оставлен без изменений.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 in %2 is too short to hold a record.</source>
        <translation>%1 в %2 слишком короток, чтобы содержать запись.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 in %2 could not be read.</source>
        <translation>%1 в %2 не удалось прочитать.</translation>
    </message>
</context>
</TS>
