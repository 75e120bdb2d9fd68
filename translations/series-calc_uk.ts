<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>ConvergenceLoader</name>
    <message>
        <location filename="../form/ConvergenceLoader.cpp" line="+30"/>
        <source>The convergence window cannot open: its module %1 is missing.</source>
        <translation>Вікно збіжності не вдається відкрити: немає його модуля %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The convergence window cannot open: its module %1 does not belong to this version of the program.</source>
        <translation>Вікно збіжності не вдається відкрити: його модуль %1 належить до іншої версії програми.</translation>
    </message>
</context>
<context>
    <name>ConvergencePlot</name>
    <message>
        <location filename="../convergence/ConvergencePlot.cpp" line="+122"/>
        <source>Convergence plot</source>
        <translation>Графік збіжності</translation>
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
        <translation>значення</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+84"/>
        <source>|value − exact|</source>
        <translation>|значення − точне|</translation>
    </message>
    <message numerus="yes">
        <location line="-23"/>
        <source>value, %n INF or NaN left out</source>
        <translation>
            <numerusform>значення (пропущено INF/NaN: %n)</numerusform>
            <numerusform>значення (пропущено INF/NaN: %n)</numerusform>
            <numerusform>значення (пропущено INF/NaN: %n)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>exact %1</source>
        <translation>точне %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>stopped at n = %1</source>
        <translation>зупинка при n = %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unchanged after n = %1</source>
        <translation>незмінне після n = %1</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1, %n left out: 0, INF or NaN</source>
        <translation>
            <numerusform>%1, пропущено %n значення: 0, INF або NaN</numerusform>
            <numerusform>%1, пропущено %n значення: 0, INF або NaN</numerusform>
            <numerusform>%1, пропущено %n значень: 0, INF або NaN</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>|truncation|</source>
        <translation>|обрив|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>|rounding|</source>
        <translation>|округлення|</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>half an ulp %1</source>
        <translation>половина ulp %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>precision %1</source>
        <translation>точність %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Where it settles: %1.</source>
        <translation>Де сума усталюється: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>At the end, truncation is the larger part of the error.</source>
        <translation>Наприкінці більша частина похибки — похибка обриву.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>At the end, rounding is the larger part of the error.</source>
        <translation>Наприкінці більша частина похибки — похибка округлення.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%1: %n terms</source>
        <translation>
            <numerusform>%1: %n&#xa0;член</numerusform>
            <numerusform>%1: %n&#xa0;члени</numerusform>
            <numerusform>%1: %n&#xa0;членів</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, no finite error</source>
        <translation>, скінченної похибки немає</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, the error is %1</source>
        <translation>, похибка %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, the error falls from %1 to %2</source>
        <translation>, похибка спадає від %1 до %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, the error grows from %1 to %2</source>
        <translation>, похибка зростає від %1 до %2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>, %n INF or NaN values left out</source>
        <translation>
            <numerusform>, пропущено %n&#xa0;значення INF або NaN</numerusform>
            <numerusform>, пропущено %n&#xa0;значення INF або NaN</numerusform>
            <numerusform>, пропущено %n&#xa0;значень INF або NaN</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConvergenceTable</name>
    <message>
        <location filename="../convergence/ConvergenceTable.cpp" line="+35"/>
        <source>exact %1</source>
        <translation>точне %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exact %1; both series give the same number: all digits lost</source>
        <translation>точне %1; обидва ряди дають те саме число: втрачено всі цифри</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exact %1; condition %2, %3 digits lost</source>
        <translation>точне %1; число обумовленості %2, втрачено цифр: %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no longer changes</source>
        <translation>більше не змінюється</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>truncation: the exact sum of the first n terms minus the exact limit, what cutting the series off costs</source>
        <translation>похибка обриву: точна сума перших n членів мінус точна границя, ціна того, що ряд обірвано</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>rounding: the value minus the exact sum of the same n terms, what single precision costs</source>
        <translation>похибка округлення: значення мінус точна сума тих самих n членів, ціна одинарної точності</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the rounding in units in the last place of the value</source>
        <translation>похибка округлення в одиницях останнього розряду (ulp) значення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>correct significant digits of the value against the exact limit</source>
        <translation>кількість правильних значущих цифр значення відносно точної границі</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the same statements with every store in double, minus the exact limit; not the program&apos;s result</source>
        <translation>ті самі оператори, але кожне збереження в double, мінус точна границя; це не результат програми</translation>
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
        <translation>значення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shown − exact</source>
        <translation>показане − точне</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trunc.</source>
        <translation>обрив</translation>
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
        <translation>цифри</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>double err.</source>
        <translation>похибка double</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stopped</source>
        <translation>причина зупинки</translation>
    </message>
</context>
<context>
    <name>ConvergenceWindow</name>
    <message>
        <location filename="../convergence/ConvergenceWindow.cpp" line="+66"/>
        <source>Convergence</source>
        <translation>Збіжність</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every iteration</source>
        <translation>Усі ітерації</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save table as CSV…</source>
        <translation>Зберегти таблицю у форматі CSV…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save the table</source>
        <translation>Збереження таблиці</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save plot as SVG…</source>
        <translation>Зберегти графік у форматі SVG…</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <source>Save the plot</source>
        <translation>Збереження графіка</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>SVG images (*.svg)</source>
        <translation>Зображення SVG (*.svg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save plot as PNG…</source>
        <translation>Зберегти графік у форматі PNG…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG images (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1 could not be written.</source>
        <translation>Не вдалося записати %1.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 could not be written: %2. A file of that name was left as it was.</source>
        <translation>Не вдалося записати %1: %2. Файл із такою назвою залишено без змін.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../form/HelpWindow.cpp" line="+36"/>
        <source>Series Calculator help</source>
        <translation>Довідка програми «Степеневий ряд»</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Where the error comes from</source>
        <translation>Звідки береться похибка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The convergence window splits each value&apos;s error, shown − exact, in two. Truncation is what cutting the series off costs: the exact sum of its first n terms minus the exact limit. Rounding is what single precision costs: the value minus that exact sum. The two add up to the error.</source>
        <translation>Вікно збіжності розкладає похибку кожного значення, показане − точне, на дві частини. Похибка обриву — ціна того, що ряд обірвано: точна сума перших n членів ряду мінус точна границя. Похибка округлення — ціна одинарної точності: значення мінус цю точну суму. Разом вони дають похибку.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An ulp is the spacing of singles at the value, a unit in its last place; the ulps column gives the rounding in them. Correct digits are −log₁₀ of the error relative to the exact limit: a single holds about 7.</source>
        <translation>Ulp — відстань між сусідніми числами одинарної точності біля значення, одиниця його останнього розряду; стовпець ulp дає похибку округлення в цих одиницях. Кількість правильних цифр — це −log₁₀ відносної похибки щодо точної границі: число одинарної точності має їх близько 7.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The double column sums the same series by the same statements, with every result stored in double instead of single, and gives its error. It shows how much of the rounding is single precision&apos;s; it is not the program&apos;s result.</source>
        <translation>Стовпець double підсумовує той самий ряд тими самими операторами, але зберігає кожен результат у double замість одинарної точності, і показує його похибку. Він показує, яка частина округлення припадає на одинарну точність; це не результат програми.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With x = 1 and precision %1, the e^2x series stops after 10 terms at %2: truncation %3, rounding %4. With precision 0 it runs %5 terms, but after term 13 the sum no longer changes: every later term is below half an ulp of it, and the error stays at %6, all of it rounding.</source>
        <translation>При x = 1 і точності %1 ряд для e^2x зупиняється після 10 членів на %2: похибка обриву %3, похибка округлення %4. При точності 0 він підсумовує %5 членів, але після 13-го члена сума більше не змінюється: кожен наступний член менший за половину ulp суми, і похибка лишається %6 — це вся похибка округлення.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancellation: the combined value subtracts the two series. Where they are nearly equal, their rounding stays while their difference shrinks, and digits are lost. The condition number (|S1| + |S2|) / |S1 − S2| says how much; its log₁₀ is the digits lost. At x = %1 both series are about 25, and about 5 of 7 digits are lost.</source>
        <translation>Скорочення: значення виразу віднімає один ряд від іншого. Коли ряди майже рівні, їхня похибка округлення лишається, а різниця зменшується, і цифри втрачаються. Скільки — каже число обумовленості (|S1| + |S2|) / |S1 − S2|; його log₁₀ — кількість утрачених цифр. При x = %1 обидва ряди близько 25, і втрачено близько 5 із 7 цифр.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>What it computes</source>
        <translation>Що обчислює програма</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type x into the upper input and the precision into the lower one, then press %1. The program sums two power series term by term in single precision: 1 + Σ (2x)ⁿ/n!, which approaches e^2x, and 5·(1 + Σ xⁿ/n!), which approaches 5e^x. Each series stops after its first term at or below the precision, or after %2 terms.</source>
        <translation>Введіть x у верхнє поле, а точність — у нижнє, потім натисніть «%1». Програма почленно підсумовує два степеневі ряди в арифметиці одинарної точності: &lt;nobr&gt;1 + Σ (2x)ⁿ/n!&lt;/nobr&gt;, що наближає e^2x, і &lt;nobr&gt;5·(1 + Σ xⁿ/n!)&lt;/nobr&gt;, що наближає 5e^x. Підсумовування кожного ряду припиняється після першого члена, не більшого за точність, або після %2&#xa0;членів.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The three results, top to bottom: the 5e^x series, the combined value (first − second)·x², and the e^2x series. After %1 and %2, the three numbers on the right are the saved precision, x and e^2x value.</source>
        <translation>Три результати згори донизу: ряд для 5e^x, значення виразу &lt;nobr&gt;(перший − другий)·x²&lt;/nobr&gt; і ряд для e^2x. Після натискання «%1» і «%2» три числа праворуч — це записані точність, x і значення ряду для e^2x.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tooltips and copying</source>
        <translation>Підказки й копіювання</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Point at a result: its tooltip tells how many terms were summed, why the series stopped, the exact value and how far the shown value is from it.</source>
        <translation>Наведіть вказівник миші на результат: підказка покаже, скільки членів підсумовано, чому підсумовування припинилося, точне значення і наскільки показане значення від нього відрізняється.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Right-click a result or a saved number to copy the number as shown, all three results (one number a line, top to bottom), or every iteration of the last computation as CSV, the text that series-table --csv prints. A double-click selects the whole number.</source>
        <translation>Клацніть правою кнопкою миші на результаті або записаному числі, щоб скопіювати це число так, як воно показане, усі три результати (по одному числу в рядку, згори донизу) або всі ітерації останнього обчислення у форматі CSV, як їх виводить &lt;nobr&gt;series-table --csv&lt;/nobr&gt;. Подвійне клацання виділяє число повністю.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keys</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in an input: computes; on a button: presses it</source>
        <translation>у полі введення — обчислює; на кнопці — натискає її</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>presses the focused button</source>
        <translation>натискає кнопку, що має фокус</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moves to the next input or button</source>
        <translation>переходить до наступного поля або кнопки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>copies the three results</source>
        <translation>копіює три результати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>opens the convergence window: every iteration, a plot, export</source>
        <translation>відкриває вікно збіжності: усі ітерації, графік, експорт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>opens this help</source>
        <translation>відкриває цю довідку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closes this help</source>
        <translation>закриває цю довідку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closes the window</source>
        <translation>закриває вікно</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file</source>
        <translation>Файл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 saves the precision, x and the e^2x value as 20 bytes in Test.txt in the folder the program was started from (from the menu, usually your home folder), here %2. It writes over an existing Test.txt only if that file is empty, holds such a record, or holds the 13 to 19 bytes a save cut short leaves. Any other file is left alone, and the message names the folder and the reason: not a record of this program, not an ordinary file, or a file that could not be read.</source>
        <translation>Кнопка «%1» записує точність, x і значення ряду для e^2x (20 байтів) у файл Test.txt у теці, з якої запущено програму (під час запуску з меню це зазвичай ваша домашня тека), тут — %2. Наявний Test.txt перезаписується, лише якщо він порожній, містить запис такого формату або 13–19 байтів, які лишило перерване збереження. Будь-який інший файл лишається без змін, а повідомлення називає теку й причину: це не запис цієї програми, не звичайний файл або файл, який не вдалося прочитати.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; means that Test.txt could not be opened or created (a directory of that name, a read-only file, a folder you cannot write), or that the disk was full. A save that stops short puts back what was there, so %2 never shows a record that was not saved. %2 says whether the file is too short to hold a record or could not be read, and &quot;%3&quot; when it cannot be opened.</source>
        <translation>«%1» означає, що Test.txt не вдалося відкрити чи створити (тека з такою назвою, файл лише для читання, тека, у яку ви не можете записувати) або що диск заповнено. Збереження, яке обірвалося, повертає те, що було у файлі, тож «%2» ніколи не покаже запису, який не було збережено. «%2» повідомляє, чи файл закороткий для запису, чи його не вдалося прочитати, і каже «%3», коли файл не вдається відкрити.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The convergence window&apos;s exports are written whole or not at all: one that fails leaves the file it was to replace as it was, and says why.</source>
        <translation>Експорт із вікна збіжності записується повністю або не записується зовсім: невдалий експорт лишає без змін файл, який мав замінити, і пояснює причину.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Series Calculator %1. Licence: MIT; it comes with no warranty.</source>
        <translation>«Степеневий ряд», версія %1. Ліцензія: MIT; програма постачається без жодних гарантій.</translation>
    </message>
</context>
<context>
    <name>ResultHint</name>
    <message>
        <location filename="../form/ResultHint.cpp" line="+18"/>
        <source>terms summed: %1</source>
        <translation>підсумовано членів: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>stopped: %1</source>
        <translation>причина зупинки: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>exact %1 = %2</source>
        <translation>точне значення %1 = %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shown − exact = %1</source>
        <translation>показане − точне = %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>all digits lost to cancellation: both series give the same number</source>
        <translation>через скорочення втрачено всі цифри: обидва ряди дають те саме число</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>about %1 of 7 digits lost to cancellation: the two series are nearly equal</source>
        <translation>через скорочення втрачено близько %1 з 7 цифр: два ряди майже рівні</translation>
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
        <translation>вираз</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>combined value (first − second)·x²</source>
        <translation>значення виразу (перший − другий)·x²</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>combined value: %1</source>
        <translation>значення виразу: %1</translation>
    </message>
</context>
<context>
    <name>StopText</name>
    <message>
        <location filename="../words/StopWords.cpp" line="+59"/>
        <source>its term, %1, is at or below the precision %2: the test takes the term&apos;s sign, so a negative term (x &lt; 0) ends the series at once</source>
        <translation>черговий член ряду, %1, не перевищує точності %2: у перевірці порівнюється сам член, а не його модуль, тож від’ємний член (x &lt; 0) одразу припиняє підсумовування</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its term, %1, is at or below the precision %2</source>
        <translation>черговий член ряду, %1, не перевищує точності %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its term was NaN, which counts as at or below the precision</source>
        <translation>член ряду дорівнює NaN, а NaN вважається не більшим за точність</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>0/0 at x = 0</source>
        <translation>0/0 при x = 0</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the numerator x·(2x)ⁿ left the single range</source>
        <translation>чисельник x·(2x)ⁿ вийшов за межі діапазону одинарної точності</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the numerator x·xⁿ left the single range</source>
        <translation>чисельник x·xⁿ вийшов за межі діапазону одинарної точності</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the factorial n! left the single range</source>
        <translation>факторіал n! вийшов за межі діапазону одинарної точності</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the sum left the single range</source>
        <translation>сума вийшла за межі діапазону одинарної точності</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the %3-term limit; the last term, %1, was still above the precision %2</source>
        <translation>досягнуто максимальної кількості членів (%3); останній член, %1, ще перевищував точність %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the value became %1 at term %2: %3</source>
        <translation>на %2-му члені значення стало рівним %1: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>after term %1 the sum no longer changes: every later term is below half an ulp of it</source>
        <translation>після %1-го члена сума більше не змінюється: кожен наступний член менший за половину ulp суми</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../form/Unit1.cpp" line="+51"/>
        <source>recorded precision</source>
        <translation>записана точність</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>recorded x</source>
        <translation>записаний x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>recorded value of the e^2x series</source>
        <translation>записане значення ряду для e^2x</translation>
    </message>
    <message>
        <location filename="../form/Spoken.cpp" line="+14"/>
        <source>Saved to %1</source>
        <translation>Збережено у файл %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read back: precision %1; x %2; e^2x %3</source>
        <translation>Прочитано: точність %1; x %2; e^2x %3</translation>
    </message>
    <message>
        <location filename="../form/Unit1Actions.cpp" line="+24"/>
        <source>Copy all three results</source>
        <translation>Копіювати всі три результати</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show the convergence</source>
        <translation>Показати вікно збіжності</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Copy the number</source>
        <translation>Копіювати число</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy every iteration as CSV</source>
        <translation>Копіювати всі ітерації у форматі CSV</translation>
    </message>
    <message>
        <location filename="../form/FileMessages.cpp" line="+16"/>
        <source>%1 in %2 is not an ordinary file; it was left unchanged.</source>
        <translation>%1 у %2 не є звичайним файлом; його залишено без змін.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 in %2 is not a record of this program; it was left unchanged.</source>
        <translation>%1 у %2 не є записом цієї програми; його залишено без змін.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 in %2 could not be read; it was left unchanged.</source>
        <translation>%1 у %2 не вдалося прочитати; його залишено без змін.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 in %2 is too short to hold a record.</source>
        <translation>%1 у %2 закороткий, щоб містити запис.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 in %2 could not be read.</source>
        <translation>%1 у %2 не вдалося прочитати.</translation>
    </message>
</context>
</TS>
