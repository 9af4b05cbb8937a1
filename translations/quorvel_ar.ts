<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Print Setup</source>
        <translation>إعداد الطباعة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>quorvel::AboutDialog</name>
    <message>
        <source>About Quorvel</source>
        <translation>حول Quorvel</translation>
    </message>
    <message>
        <source>Quorvel is a simulator to design emergency systems</source>
        <translation>Quorvel أداة لمحاكاة تصميم شبكات المياه الطارئة</translation>
    </message>
    <message>
        <source>Dravenholt Systems</source>
        <translation>Dravenholt Systems</translation>
    </message>
    <message>
        <source>www.example.org/quorvel</source>
        <translation>www.example.org/quorvel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>quorvel::CatalogWindow</name>
    <message>
        <source>Do you want to save the new data?</source>
        <translation>هل تريد حفظ البيانات الجديدة؟</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since it was read. Overwrite it?</source>
        <translation>غيّر برنامج آخر الملف &quot;%1&quot; بعد قراءته. هل تريد الكتابة فوقه؟</translation>
    </message>
</context>
<context>
    <name>quorvel::Catalogs</name>
    <message>
        <source>No</source>
        <translation>م</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Nominal (in)</source>
        <translation>قطر (بوصة)</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>المادة</translation>
    </message>
    <message>
        <source>ID (mm)</source>
        <translation>ق.د (مم)</translation>
    </message>
    <message>
        <source>Sch 40 galvanised steel</source>
        <translation>فولاذ مجلفن Sch 40</translation>
    </message>
    <message>
        <source>Sch 40 black steel</source>
        <translation>فولاذ أسود Sch 40</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>المضخة</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>الطراز</translation>
    </message>
    <message>
        <source>Flow (L/s)</source>
        <translation>Q (ل/ث)</translation>
    </message>
    <message>
        <source>Head (m)</source>
        <translation>الرفع (م)</translation>
    </message>
    <message>
        <source>Power kW</source>
        <translation>القدرة kW</translation>
    </message>
    <message>
        <source>Curve picture</source>
        <translation>صورة المنحنى</translation>
    </message>
    <message>
        <source>Petrol engine</source>
        <translation>محرك بنزين</translation>
    </message>
    <message>
        <source>Diesel engine</source>
        <translation>محرك ديزل</translation>
    </message>
    <message>
        <source>Electric surface</source>
        <translation>كهربائية سطحية</translation>
    </message>
    <message>
        <source>Submersible</source>
        <translation>غاطسة</translation>
    </message>
    <message>
        <source>Tank type</source>
        <translation>نوع الخزان</translation>
    </message>
    <message>
        <source>Size (m3)</source>
        <translation>السعة (م3)</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>Bladder</source>
        <translation>مرن</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>بصلي</translation>
    </message>
    <message>
        <source>Corrugated steel</source>
        <translation>فولاذ مموج</translation>
    </message>
    <message>
        <source>Pillow tank for trucks and small distribution points</source>
        <translation>خزان مرن للشاحنات ونقاط التوزيع الصغيرة</translation>
    </message>
    <message>
        <source>Pillow tank on a cleared and levelled base</source>
        <translation>خزان مرن على قاعدة ممهدة ومستوية</translation>
    </message>
    <message>
        <source>Bolted kit with liner and roof</source>
        <translation>طقم مثبت بالبراغي مع بطانة وسقف</translation>
    </message>
    <message>
        <source>Self-supporting open-top tank with cover</source>
        <translation>خزان ذاتي الدعم مفتوح من الأعلى مع غطاء</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8 after its byte-order mark</source>
        <translation>&quot;%1&quot; ليس UTF-8 صالحًا بعد علامة ترتيب البايتات</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no line that can be read</source>
        <translation>لا يحتوي &quot;%1&quot; على أي سطر مقروء</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read because an earlier catalog could not be read</source>
        <translation>لم يُقرأ &quot;%1&quot; لتعذّر قراءة كتالوج سابق</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read; saving would erase it</source>
        <translation>لم يُقرأ &quot;%1&quot;؛ الحفظ سيمحوه</translation>
    </message>
</context>
<context>
    <name>quorvel::ChecksSummary</name>
    <message>
        <source>Design checks…</source>
        <translation>فحوص التصميم…</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignChecks</name>
    <message>
        <source>at least %1</source>
        <translation>%1 على الأقل</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>%1 على الأكثر</translation>
    </message>
    <message>
        <source>%1 %2 %3 below %4</source>
        <translation>%1 %2 %3 أقل من %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 above %4</source>
        <translation>%1 %2 %3 أعلى من %4</translation>
    </message>
    <message>
        <source>operating flow</source>
        <translation>تدفق التشغيل</translation>
    </message>
    <message>
        <source>the design flow of %1</source>
        <translation>تدفق التصميم البالغ %1</translation>
    </message>
    <message>
        <source>: the tank does not fill in the pumping hours</source>
        <translation>؛ لا يمتلئ الخزان خلال ساعات الضخ</translation>
    </message>
    <message>
        <source>flow velocity</source>
        <translation>سرعة الجريان</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>من %1 إلى %2 %3</translation>
    </message>
    <message>
        <source>daily usage</source>
        <translation>الاستهلاك اليومي</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>لتر/فرد/يوم</translation>
    </message>
    <message>
        <source>people per tap</source>
        <translation>الأشخاص لكل حنفية</translation>
    </message>
    <message>
        <source>people</source>
        <translation>شخص</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>ساعة/يوم</translation>
    </message>
    <message>
        <source>actual storage</source>
        <translation>التخزين الفعلي</translation>
    </message>
    <message>
        <source>the theoretical storage of %1</source>
        <translation>التخزين النظري البالغ %1</translation>
    </message>
    <message>
        <source>, %1 m³ short</source>
        <translation>، بنقص %1 م³</translation>
    </message>
    <message>
        <source>design flow</source>
        <translation>تدفق التصميم</translation>
    </message>
    <message>
        <source>the pump&apos;s rated flow of %1</source>
        <translation>التدفق الاسمي للمضخة البالغ %1</translation>
    </message>
    <message>
        <source>pumping head</source>
        <translation>ارتفاع الضخ الكلي</translation>
    </message>
    <message>
        <source>the pump&apos;s rated head of %1</source>
        <translation>الرفع الاسمي للمضخة البالغ %1</translation>
    </message>
    <message>
        <source>All %1 checks pass</source>
        <translation>نجحت جميع الفحوص الـ %1</translation>
    </message>
    <message>
        <source>1 warning: %1</source>
        <translation>تحذير واحد: %1</translation>
    </message>
    <message>
        <source>%1 warnings: %2</source>
        <translation>%1 تحذيرات: %2</translation>
    </message>
    <message>
        <source>supply</source>
        <translation>الإمداد</translation>
    </message>
    <message>
        <source>gravity supply: no pump needed</source>
        <translation>إمداد بالجاذبية: لا حاجة إلى مضخة</translation>
    </message>
    <message>
        <source>no catalog pump delivers %1 L/s at %2 m</source>
        <translation>لا مضخة في الكتالوج تعطي %1 ل/ث عند %2 م</translation>
    </message>
    <message>
        <source> (pumping head %1 m + %2 %)</source>
        <translation> (ارتفاع الضخ الكلي %1 م + %2 %)</translation>
    </message>
    <message>
        <source>a gravity supply needs no pump</source>
        <translation>الإمداد بالجاذبية لا يحتاج إلى مضخة</translation>
    </message>
    <message>
        <source>gravity flow</source>
        <translation>تدفق بالجاذبية</translation>
    </message>
    <message>
        <source>: no water reaches the tank</source>
        <translation>؛ لا يصل أي ماء إلى الخزان</translation>
    </message>
    <message>
        <source>no water flows</source>
        <translation>لا يجري أي ماء</translation>
    </message>
    <message>
        <source>hours at the gravity flow</source>
        <translation>ساعات التدفق بالجاذبية</translation>
    </message>
    <message>
        <source>pumping hours at the operating point</source>
        <translation>ساعات الضخ عند نقطة التشغيل</translation>
    </message>
    <message>
        <source>: the day&apos;s demand does not reach the tank</source>
        <translation>؛ لا يصل طلب اليوم إلى الخزان</translation>
    </message>
    <message>
        <source>flow velocity at the gravity flow</source>
        <translation>سرعة الجريان عند التدفق بالجاذبية</translation>
    </message>
    <message>
        <source>flow velocity at the operating point</source>
        <translation>سرعة الجريان عند نقطة التشغيل</translation>
    </message>
    <message>
        <source>share of the rated flow</source>
        <translation>النسبة من التدفق الاسمي</translation>
    </message>
    <message>
        <source>%1 to %2 % of the rated flow</source>
        <translation>من %1 إلى %2 % من التدفق الاسمي</translation>
    </message>
    <message>
        <source>the pump runs at %1 % of its rated flow of %2 L/s, far right of its rated point: inefficient, and it may cavitate</source>
        <translation>تعمل المضخة عند %1 % من تدفقها الاسمي البالغ %2 ل/ث، بعيدًا إلى يمين نقطتها الاسمية: كفاءة منخفضة، وقد يحدث تكهّف</translation>
    </message>
    <message>
        <source>the pump runs at %1 % of its rated flow of %2 L/s, far left of its rated point: inefficient</source>
        <translation>تعمل المضخة عند %1 % من تدفقها الاسمي البالغ %2 ل/ث، بعيدًا إلى يسار نقطتها الاسمية: كفاءة منخفضة</translation>
    </message>
    <message>
        <source>estimated pumping time at the design flow</source>
        <translation>مدة الضخ المقدرة عند تدفق التصميم</translation>
    </message>
    <message>
        <source>Not designed: %1</source>
        <translation>لم يُصمَّم: %1</translation>
    </message>
    <message>
        <source>1 failure: %1</source>
        <translation>إخفاق واحد: %1</translation>
    </message>
    <message>
        <source>%1 failures: %2</source>
        <translation>%1 إخفاقات: %2</translation>
    </message>
    <message>
        <source>all %1 checks pass</source>
        <translation>نجحت جميع الفحوص الـ %1</translation>
    </message>
    <message>
        <source>a pump for a pumping head above 0 m, else gravity</source>
        <translation>مضخة لارتفاع ضخ كلي أكبر من 0 م، وإلا فبالجاذبية</translation>
    </message>
    <message>
        <source>m</source>
        <translation>م</translation>
    </message>
    <message>
        <source>m³</source>
        <translation>م³</translation>
    </message>
    <message>
        <source>L/s</source>
        <translation>ل/ث</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>م/ث</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignChecksWindow</name>
    <message>
        <source>Design checks</source>
        <translation>فحوص التصميم</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>الفحص</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>الحد</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>ناجح</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>فاشل</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>لا ينطبق</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignCommand</name>
    <message>
        <source>--velocity takes MIN,MAX in m/s, finite and MIN below MAX, e.g. 0.5,2.0 (got %1)</source>
        <translation>‏--velocity يأخذ MIN,MAX بوحدة م/ث، قيمتين منتهيتين وMIN أقل من MAX، مثلاً 0.5,2.0 (القيمة المعطاة %1)</translation>
    </message>
    <message>
        <source>--%1 needs a %2; leave the option out for the automatic choice</source>
        <translation>‏--%1 يحتاج إلى %2؛ احذف الخيار للاختيار التلقائي</translation>
    </message>
    <message>
        <source>Designs emergency water supplies, one site a line of SITES.csv, with the catalogs of the database folder.
The first line names the columns, in any order: Site, L (pipeline length m), Zw (source elevation m),
Zt (storage elevation m), P (population), T (pumping hours h/day), U (daily usage L/capita/day),
K (people per tap); long captions, units in brackets and semicolon files with decimal commas are read too.
Exit status: 0 all sites designed, 1 some failed, 2 bad usage, unreadable input or catalogs, or an
output that cannot be written.</source>
        <translation>يصمّم إمدادات المياه الطارئة، موقعًا لكل سطر من SITES.csv، بكتالوجات مجلد قاعدة البيانات.
يسمّي السطر الأول الأعمدة بأي ترتيب: Site، L (طول خط الأنابيب م)، Zw (منسوب مصدر المياه م)،
Zt (منسوب الخزان م)، P (عدد السكان)، T (ساعات الضخ ساعة/يوم)، U (الاستهلاك اليومي لتر/فرد/يوم)،
K (الأشخاص لكل حنفية)؛ وتُقرأ أيضًا العناوين الطويلة والوحدات بين أقواس والملفات المفصولة بفواصل منقوطة مع فواصل عشرية.
حالة الخروج: 0 صُمّمت كل المواقع، 1 فشل بعضها، 2 استخدام خاطئ أو مدخلات أو كتالوجات غير مقروءة أو
مخرجات تتعذر كتابتها.</translation>
    </message>
    <message>
        <source>The sites; - reads standard input.</source>
        <translation>المواقع؛ - يقرأ المدخل القياسي.</translation>
    </message>
    <message>
        <source>give either SITES.csv or --site, not both</source>
        <translation>أعطِ SITES.csv أو --site، لا كليهما</translation>
    </message>
    <message>
        <source>--site takes the seven inputs L,Zw,Zt,P,T,U,K</source>
        <translation>‏--site يأخذ المدخلات السبعة L,Zw,Zt,P,T,U,K</translation>
    </message>
    <message>
        <source>give one SITES.csv (or --site); see --help</source>
        <translation>أعطِ ملف SITES.csv واحدًا (أو --site)؛ انظر --help</translation>
    </message>
    <message>
        <source>--csv and --json exclude each other</source>
        <translation>‏--csv و--json لا يجتمعان</translation>
    </message>
    <message>
        <source>pump row or model</source>
        <translation>صف المضخة أو طرازها</translation>
    </message>
    <message>
        <source>tank row or type</source>
        <translation>صف الخزان أو نوعه</translation>
    </message>
    <message>
        <source>--head-margin takes a percentage from 0 to 100 (got %1)</source>
        <translation>‏--head-margin يأخذ نسبة مئوية من 0 إلى 100 (القيمة المعطاة %1)</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>‏--report يحتاج إلى اسم ملف</translation>
    </message>
    <message>
        <source>--epanet needs a folder</source>
        <translation>‏--epanet يحتاج إلى مجلد</translation>
    </message>
    <message>
        <source>--database %1: no such folder</source>
        <translation>‏--database %1: لا يوجد هذا المجلد</translation>
    </message>
    <message>
        <source>the sites file</source>
        <translation>ملف المواقع</translation>
    </message>
    <message>
        <source>the catalog %1</source>
        <translation>الكتالوج %1</translation>
    </message>
    <message>
        <source>%1 %2: is a folder; give a file name</source>
        <translation>%1 %2: مجلد؛ أعطِ اسم ملف</translation>
    </message>
    <message>
        <source>%1 %2 is %3: refusing to write over an input</source>
        <translation>%1 %2 هو %3: رفض الكتابة فوق ملف مدخلات</translation>
    </message>
    <message>
        <source>-o and --report name the same file %1</source>
        <translation>‏-o و--report يسمّيان الملف نفسه %1</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 السطر %2: %3</translation>
    </message>
    <message>
        <source>%1 line %2, %3: %4</source>
        <translation>%1 السطر %2، %3: %4</translation>
    </message>
    <message>
        <source>%1 line %2: no pump with a rated flow and head, so no EPANET network</source>
        <translation>%1 السطر %2: لا مضخة بتدفق ورفع اسميين، لذا لا شبكة EPANET</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>يعرض هذه المساعدة.</translation>
    </message>
    <message>
        <source>Designs one site instead of a file.</source>
        <translation>يصمّم موقعًا واحدًا بدل ملف.</translation>
    </message>
    <message>
        <source>The name of the --site.</source>
        <translation>اسم --site.</translation>
    </message>
    <message>
        <source>SITES.csv has no caption line: its columns are Site,L,Zw,Zt,P,T,U,K in this order.</source>
        <translation>لا يحوي SITES.csv سطر عناوين: أعمدته Site,L,Zw,Zt,P,T,U,K بهذا الترتيب.</translation>
    </message>
    <message>
        <source>The folder of pipes.csv, pumps.csv and storage.csv (default: the program&apos;s database folder).</source>
        <translation>مجلد pipes.csv وpumps.csv وstorage.csv (الافتراضي: مجلد قاعدة بيانات البرنامج).</translation>
    </message>
    <message>
        <source>The tank type, by row or type, in any case (default: the type that holds the storage with the fewest tanks).</source>
        <translation>نوع الخزان، برقم الصف أو النوع، دون تمييز حالة الأحرف (الافتراضي: النوع الذي يستوعب التخزين بأقل عدد من الخزانات).</translation>
    </message>
    <message>
        <source>Flow velocities outside this range are warned about (default 0.5,2.0).</source>
        <translation>يُحذَّر من سرعات الجريان خارج هذا المدى (الافتراضي 0.5,2.0).</translation>
    </message>
    <message>
        <source>Writes CSV instead of a table.</source>
        <translation>يكتب CSV بدل جدول.</translation>
    </message>
    <message>
        <source>Writes JSON instead of a table.</source>
        <translation>يكتب JSON بدل جدول.</translation>
    </message>
    <message>
        <source>Writes to FILE (- standard output), replacing it only when complete.</source>
        <translation>يكتب في FILE (- المخرج القياسي)، ولا يستبدله إلا عند اكتماله.</translation>
    </message>
    <message>
        <source>Writes each designed site as an EPANET network, DIR/&lt;site&gt;.inp, to run in EPANET: the pump on its rated-point curve, the pipeline, the tank and the day&apos;s demand over 24 hours.</source>
        <translation>يكتب كل موقع مصمَّم شبكةَ EPANET في DIR/&lt;site&gt;.inp لتشغيلها في EPANET: المضخة على منحنى نقطتها الاسمية وخط الأنابيب والخزان وطلب اليوم على 24 ساعة.</translation>
    </message>
    <message>
        <source>Adds the bill of quantities: pumps, tanks, tapstand kits, pipe metres, people and daily demand.</source>
        <translation>يضيف جدول الكميات: المضخات والخزانات وأطقم الحنفيات العامة وأمتار الأنابيب والأشخاص والطلب اليومي.</translation>
    </message>
    <message>
        <source>The language of the messages, the table and the report: en, fr, es, pt or ar (default: the user&apos;s locale). CSV, JSON and network files are English in every language.</source>
        <translation>لغة الرسائل والجدول والتقرير: en أو fr أو es أو pt أو ar (الافتراضي: لغة المستخدم). تبقى ملفات CSV وJSON والشبكة بالإنجليزية في كل اللغات.</translation>
    </message>
    <message>
        <source>%1 line %2: not designed: %3</source>
        <translation>%1 السطر %2: لم يُصمَّم: %3</translation>
    </message>
    <message>
        <source>The pump for every site, by row or model, in any case (default: of the pumps that fill the tank, the least rated power among those running at 80 to 120 % of their rated flow within the velocity limit, else the least rated power).</source>
        <translation>المضخة لكل المواقع، برقم الصف أو الطراز، دون تمييز حالة الأحرف (الافتراضي: من المضخات التي تملأ الخزان، أقل قدرة اسمية بين تلك التي تعمل بين 80 و120 % من تدفقها الاسمي ضمن حد السرعة، وإلا فأقل قدرة اسمية).</translation>
    </message>
    <message>
        <source>How far beyond the pumping head an automatically chosen pump&apos;s head at the design flow must reach, in percent (default 10).</source>
        <translation>مقدار تجاوز رفع المضخة المختارة تلقائيًا عند تدفق التصميم لارتفاع الضخ الكلي، بالنسبة المئوية (الافتراضي 10).</translation>
    </message>
    <message>
        <source>Writes a PDF report: a page a designed site, a table of those not designed.</source>
        <translation>يكتب تقرير PDF: صفحة لكل موقع مصمَّم وجدولًا بالمواقع غير المصمَّمة.</translation>
    </message>
    <message>
        <source>The engineer the report names as having prepared it, remembered for later reports.</source>
        <translation>المهندس الذي يذكره التقرير معدًّا له، ويُحفظ للتقارير اللاحقة.</translation>
    </message>
    <message>
        <source>The engineer&apos;s organisation on the report, remembered for later reports.</source>
        <translation>منظمة المهندس في التقرير، وتُحفظ للتقارير اللاحقة.</translation>
    </message>
    <message>
        <source>The pipeline&apos;s route for the --site, from the source to the tank: a CSV file of distance and elevation, or a GPX track. A sites file names each site&apos;s in its Profile column.</source>
        <translation>مسار خط الأنابيب لـ--site من المصدر إلى الخزان: ملف CSV للمسافات والمناسيب أو مسار GPX. يذكر ملف المواقع مسار كل موقع في عمود Profile.</translation>
    </message>
    <message>
        <source>--profile goes with --site; a sites file names each site&apos;s profile in its Profile column</source>
        <translation>يُستعمل --profile مع --site؛ يذكر ملف المواقع مقطع كل موقع في عمود Profile</translation>
    </message>
    <message>
        <source>the profile</source>
        <translation>المقطع الطولي</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignReport</name>
    <message>
        <source>Bill of quantities</source>
        <translation>جدول الكميات</translation>
    </message>
    <message>
        <source>Site on line %1</source>
        <translation>موقع السطر %1</translation>
    </message>
    <message>
        <source>Line %1 of the sites file</source>
        <translation>السطر %1 من ملف المواقع</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>المدخلات</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>none, gravity supply</source>
        <translation>لا شيء، إمداد بالجاذبية</translation>
    </message>
    <message>
        <source>no catalog pump reaches the duty</source>
        <translation>لا مضخة في الكتالوج تبلغ نقطة التشغيل المطلوبة</translation>
    </message>
    <message>
        <source>Pump: %1</source>
        <translation>المضخة: %1</translation>
    </message>
    <message>
        <source>Tank: %1</source>
        <translation>التخزين: %1</translation>
    </message>
    <message>
        <source>Flow velocity %1 m/s, hydraulic gradient %2 m/km</source>
        <translation>سرعة الجريان %1 م/ث، الميل الهيدروليكي %2 م/كم</translation>
    </message>
    <message>
        <source>The PDF writer could not finish the document</source>
        <translation>تعذّر على كاتب PDF إنهاء المستند</translation>
    </message>
    <message>
        <source>Rated point: %1 L/s at %2 m</source>
        <translation>نقطة التشغيل الاسمية: %1 ل/ث عند %2 م</translation>
    </message>
    <message>
        <source>Operating point on this pipeline: %1 L/s at %2 m, %3 h/day</source>
        <translation>نقطة التشغيل على هذا الخط: %1 ل/ث عند %2 م، %3 ساعة/يوم</translation>
    </message>
    <message>
        <source>people</source>
        <translation>شخص</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>ساعة/يوم</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>ل/شخص/يوم</translation>
    </message>
    <message>
        <source>m</source>
        <translation>م</translation>
    </message>
    <message>
        <source>L/min</source>
        <translation>ل/د</translation>
    </message>
    <message>
        <source>in</source>
        <translation>بوصة</translation>
    </message>
    <message>
        <source>m³</source>
        <translation>م³</translation>
    </message>
    <message>
        <source>pump</source>
        <translation>مضخة</translation>
    </message>
    <message>
        <source>tanks</source>
        <translation>خزانات</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>مجموعات</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>ناجح</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>إخفاق</translation>
    </message>
    <message>
        <source>not applicable</source>
        <translation>لا ينطبق</translation>
    </message>
    <message>
        <source>Prepared by %1</source>
        <translation>أعدّه %1</translation>
    </message>
    <message>
        <source>Quorvel %1 design report</source>
        <translation>تقرير تصميم Quorvel %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>Friction loss by Hazen-Williams with C = 140 on the pipe&apos;s inside diameter; suction and minor losses are left out.</source>
        <translation>فاقد الاحتكاك بمعادلة هازن-ويليامز مع C = 140 على القطر الداخلي للأنبوب؛ ويُهمل السحب والفواقد الثانوية.</translation>
    </message>
    <message>
        <source>Pump curve through the rated point alone: H(q) = 4/3 Hᵣ − Hᵣ/3 · (q/Qᵣ)², 4/3 of the rated head at shut-off and no head at twice the rated flow; the operating point is where it meets the system curve (static lift plus friction loss).</source>
        <translation>منحنى المضخة عبر النقطة الاسمية وحدها: H(q) = 4/3 Hᵣ − Hᵣ/3 · (q/Qᵣ)²، أي 4/3 الرفع الاسمي عند الإغلاق ولا رفع عند ضعف التدفق الاسمي؛ ونقطة التشغيل حيث يلتقي بمنحنى النظام (الرفع الساكن مع فاقد الاحتكاك).</translation>
    </message>
    <message>
        <source>Checks: daily usage at least 15 L/person/day and at most 250 people per tap (Sphere minimum standards); flow velocity %1 to %2 m/s; a pump near its rated point at %3 to %4 % of its rated flow; at most 24 h/day at the operating point.</source>
        <translation>الفحوص: استهلاك يومي لا يقل عن 15 ل/شخص/يوم ولا يزيد على 250 شخصًا لكل صنبور (معايير اسفير الدنيا)؛ سرعة التدفق من %1 إلى %2 م/ث؛ مضخة قرب نقطتها الاسمية بين %3 و%4 % من تدفقها الاسمي؛ ولا يزيد على 24 ساعة/يوم عند نقطة التشغيل.</translation>
    </message>
    <message>
        <source>An automatically chosen pump reaches the pumping head plus %1 % at the design flow.</source>
        <translation>تبلغ المضخة المختارة تلقائيًا ارتفاع الضخ الكلي مع %1 % عند تدفق التصميم.</translation>
    </message>
    <message>
        <source>Water supply design: %1</source>
        <translation>تصميم إمداد المياه: %1</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>الإمداد</translation>
    </message>
    <message>
        <source>Gravity flow on this pipeline: %1 L/s, %2 h/day</source>
        <translation>التدفق بالجاذبية في هذا الخط: %1 ل/ث، %2 ساعة/يوم</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>الفحوص</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>الفحص</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>الحد</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>الافتراضات</translation>
    </message>
    <message>
        <source>Sites not designed</source>
        <translation>مواقع غير مصمَّمة</translation>
    </message>
    <message>
        <source>%1 sites</source>
        <translation>%1 موقع</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>السطر</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>السبب</translation>
    </message>
    <message>
        <source>Duty point</source>
        <translation>منحنيات التشغيل</translation>
    </message>
    <message>
        <source>As stated on page %1 for every site of this report.</source>
        <translation>كما وردت في الصفحة %1 لجميع مواقع هذا التقرير.</translation>
    </message>
    <message>
        <source>Every site of this report was designed and checked on these assumptions:</source>
        <translation>صُمّمت جميع مواقع هذا التقرير وفُحصت وفق هذه الافتراضات:</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignSummary</name>
    <message>
        <source>unit</source>
        <translation>وحدة</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>المواقع</translation>
    </message>
    <message>
        <source>designed</source>
        <translation>مصمَّمة</translation>
    </message>
    <message>
        <source>sites</source>
        <translation>موقع</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>فاشلة</translation>
    </message>
    <message>
        <source>gravity supply, no pump</source>
        <translation>إمداد بالجاذبية، بلا مضخة</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>المضخات</translation>
    </message>
    <message>
        <source>Tanks</source>
        <translation>الخزانات</translation>
    </message>
    <message>
        <source>Tapstand kits</source>
        <translation>أطقم الحنفيات العامة</translation>
    </message>
    <message>
        <source>kits of 6 taps</source>
        <translation>أطقم من 6 حنفيات</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>الأنابيب</translation>
    </message>
    <message>
        <source>nominal %1&quot;</source>
        <translation>قطر اسمي %1&quot;</translation>
    </message>
    <message>
        <source>People served</source>
        <translation>الأشخاص المخدومون</translation>
    </message>
    <message>
        <source>people</source>
        <translation>شخص</translation>
    </message>
    <message>
        <source>Daily demand</source>
        <translation>الطلب اليومي</translation>
    </message>
    <message>
        <source>line %1: %2 L/s at a pumping head of %3 m</source>
        <translation>السطر %1: %2 ل/ث عند ارتفاع ضخ كلي قدره %3 م</translation>
    </message>
    <message>
        <source>%1 (line %2): %3 L/s at a pumping head of %4 m</source>
        <translation>%1 (السطر %2): %3 ل/ث عند ارتفاع ضخ كلي قدره %4 م</translation>
    </message>
    <message>
        <source>Pumps to be sourced</source>
        <translation>مضخات يلزم توفيرها</translation>
    </message>
    <message>
        <source>m</source>
        <translation>م</translation>
    </message>
    <message>
        <source>m³/day</source>
        <translation>م³/يوم</translation>
    </message>
</context>
<context>
    <name>quorvel::DiametersWindow</name>
    <message>
        <source>Diameters</source>
        <translation>الأقطار</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>quorvel::DutyChart</name>
    <message>
        <source>Available fall</source>
        <translation>فرق المنسوب المتاح</translation>
    </message>
    <message>
        <source>Pump curve</source>
        <translation>منحنى المضخة</translation>
    </message>
    <message>
        <source>Friction loss</source>
        <translation>فاقد الاحتكاك</translation>
    </message>
    <message>
        <source>System curve</source>
        <translation>منحنى النظام</translation>
    </message>
    <message>
        <source>Rated point</source>
        <translation>النقطة الاسمية</translation>
    </message>
    <message>
        <source>Design duty</source>
        <translation>نقطة التصميم</translation>
    </message>
    <message>
        <source>Gravity flow</source>
        <translation>تدفق بالجاذبية</translation>
    </message>
    <message>
        <source>Operating point</source>
        <translation>نقطة التشغيل</translation>
    </message>
    <message>
        <source>Flow (L/s)</source>
        <translation>التدفق (ل/ث)</translation>
    </message>
    <message>
        <source>Head (m)</source>
        <translation>الرفع (م)</translation>
    </message>
    <message>
        <source>No operating point: the pump cannot lift the water</source>
        <translation>لا نقطة تشغيل: المضخة لا تستطيع رفع المياه</translation>
    </message>
</context>
<context>
    <name>quorvel::EpanetExport</name>
    <message>
        <source>--epanet %1: is a file; give a folder</source>
        <translation>‏--epanet %1: ملف؛ أعطِ مجلدًا</translation>
    </message>
    <message>
        <source>--epanet %1: cannot create the folder</source>
        <translation>‏--epanet %1: تعذّر إنشاء المجلد</translation>
    </message>
</context>
<context>
    <name>quorvel::Error</name>
    <message>
        <source>Out of memory</source>
        <translation>الذاكرة غير كافية</translation>
    </message>
</context>
<context>
    <name>quorvel::Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>تعذّر فتح الملف &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>تعذّر إنشاء الملف &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>خطأ في الكتابة إلى الملف</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>فهرس القائمة خارج الحدود (%1)</translation>
    </message>
    <message>
        <source>File is larger than 256 MB</source>
        <translation>حجم الملف يتجاوز 256 ميغابايت</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
</context>
<context>
    <name>quorvel::InputChecks</name>
    <message>
        <source>pipeline length</source>
        <translation>طول خط الأنابيب</translation>
    </message>
    <message>
        <source>above 0 m</source>
        <translation>أكبر من 0 م</translation>
    </message>
    <message>
        <source>water source elevation</source>
        <translation>منسوب مصدر المياه</translation>
    </message>
    <message>
        <source>storage elevation</source>
        <translation>منسوب الخزان</translation>
    </message>
    <message>
        <source>population</source>
        <translation>عدد السكان</translation>
    </message>
    <message>
        <source>people</source>
        <translation>شخص</translation>
    </message>
    <message>
        <source>above 0 people</source>
        <translation>أكثر من 0 شخص</translation>
    </message>
    <message>
        <source>pumping time</source>
        <translation>مدة الضخ</translation>
    </message>
    <message>
        <source>h/day</source>
        <translation>ساعة/يوم</translation>
    </message>
    <message>
        <source>above 0 and at most 24 h/day</source>
        <translation>أكبر من 0 وعلى الأكثر 24 ساعة/يوم</translation>
    </message>
    <message>
        <source>daily usage</source>
        <translation>الاستهلاك اليومي</translation>
    </message>
    <message>
        <source>L/person/day</source>
        <translation>لتر/فرد/يوم</translation>
    </message>
    <message>
        <source>above 0 L/person/day</source>
        <translation>أكبر من 0 لتر/فرد/يوم</translation>
    </message>
    <message>
        <source>people per tap</source>
        <translation>الأشخاص لكل حنفية</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>any finite number</source>
        <translation>أي عدد منتهٍ</translation>
    </message>
    <message>
        <source>m</source>
        <translation>م</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Export Design Report…</source>
        <translation>تصدير تقرير التصميم…</translation>
    </message>
    <message>
        <source>Open Diameters File</source>
        <translation>فتح ملف الأقطار</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>الموارد</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>المضخات</translation>
    </message>
    <message>
        <source>Distribution Tanks</source>
        <translation>خزانات التوزيع</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Quorvel</source>
        <translation>Quorvel</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>حول Quorvel</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>حفظ المشروع الحالي</translation>
    </message>
    <message>
        <source>Print the current project</source>
        <translation>طباعة المشروع الحالي</translation>
    </message>
    <message>
        <source>Open the Pipes file</source>
        <translation>فتح ملف الأنابيب</translation>
    </message>
    <message>
        <source>Open the Pumps file</source>
        <translation>فتح ملف المضخات</translation>
    </message>
    <message>
        <source>Open the Tanks file</source>
        <translation>فتح ملف الخزانات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>المشروع:</translation>
    </message>
    <message>
        <source>To Calculate</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>ملفات PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export EPANET Network…</source>
        <translation>تصدير شبكة EPANET…</translation>
    </message>
    <message>
        <source>EPANET networks (*.inp)|*.inp</source>
        <translation>شبكات EPANET (*.inp)|*.inp</translation>
    </message>
    <message>
        <source>No design to export: calculate first</source>
        <translation>لا تصميم للتصدير: احسب أولًا</translation>
    </message>
    <message>
        <source>Not exported while the design fails: %1</source>
        <translation>لا تصدير ما دام التصميم فاشلًا: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
</context>
<context>
    <name>quorvel::Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&quot;%1&quot; ليس عددًا صالحًا (النقطة فاصلة عشرية)</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>عملية حسابية عشرية غير صالحة</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>قسمة على صفر</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>تجاوز السعة العددية</translation>
    </message>
</context>
<context>
    <name>quorvel::Pictures</name>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>امتداد ملف الصورة غير معروف (.%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>صورة bitmap غير صالحة</translation>
    </message>
</context>
<context>
    <name>quorvel::PipeRatings</name>
    <message>
        <source>%1 line 1: no column %2; expected the captions No, Material, Nominal (in), Rated pressure (bar), Wave speed (m/s), Source</source>
        <translation>%1 السطر 1: لا عمود %2؛ المتوقع العناوين No وMaterial وNominal (in) وRated pressure (bar) وWave speed (m/s) وSource</translation>
    </message>
    <message>
        <source>%1 line %2, %3: &apos;%4&apos; is not a positive number</source>
        <translation>%1 السطر %2، %3: &apos;%4&apos; ليس عددًا موجبًا</translation>
    </message>
</context>
<context>
    <name>quorvel::PrinterChoiceDialog</name>
    <message>
        <source>Printer</source>
        <translation>الطابعة</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>إعداد</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>quorvel::Printing</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>لم تُحدَّد طابعة افتراضية</translation>
    </message>
    <message>
        <source>Operation not supported on selected printer</source>
        <translation>العملية غير مدعومة في الطابعة المحددة</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>الطابعة المحددة غير صالحة</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>الطابعة لا تطبع حاليًا</translation>
    </message>
    <message>
        <source>Printer index out of range</source>
        <translation>رقم الطابعة خارج النطاق</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>الطباعة جارية</translation>
    </message>
</context>
<context>
    <name>quorvel::ProjectFiles</name>
    <message>
        <source>Main pipeline files</source>
        <translation>ملفات الخط الرئيسي</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>Enter the project name</source>
        <translation>أدخل اسم المشروع</translation>
    </message>
    <message>
        <source>The project has changed. Would you like to save the changes?</source>
        <translation>تغيّر المشروع. هل تريد حفظ التغييرات؟</translation>
    </message>
</context>
<context>
    <name>quorvel::ProjectSheet</name>
    <message>
        <source>Water Source Elevation</source>
        <translation>منسوب مصدر المياه</translation>
    </message>
    <message>
        <source>Storage Elevation</source>
        <translation>منسوب الخزان</translation>
    </message>
    <message>
        <source>Pipeline Length</source>
        <translation>طول الخط</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>عدد السكان</translation>
    </message>
    <message>
        <source>Water source elevation= </source>
        <translation>منسوب مصدر المياه = </translation>
    </message>
</context>
<context>
    <name>quorvel::PumpsWindow</name>
    <message>
        <source>Pumps information</source>
        <translation>بيانات المضخات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Add Graph</source>
        <translation>إضافة منحنى</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>حذف صف</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>إدراج صف</translation>
    </message>
    <message>
        <source>%1 more pumps in %2 are kept but not shown</source>
        <translation>%1 مضخات إضافية في %2 محفوظة لكنها غير معروضة</translation>
    </message>
    <message>
        <source>Main pipeline files</source>
        <translation>ملفات الخط الرئيسي</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>The file is now available</source>
        <translation>الملف متاح الآن</translation>
    </message>
    <message>
        <source>The file is not available. Check if the file exists yet</source>
        <translation>الملف غير متاح. تحقّق من وجوده</translation>
    </message>
    <message>
        <source>1 more pump in %2 is kept but not shown</source>
        <translation>مضخة إضافية في %2 محفوظة لكنها غير معروضة</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportAuthorDialog</name>
    <message>
        <source>Design Report</source>
        <translation>تقرير التصميم</translation>
    </message>
    <message>
        <source>The report&apos;s header names who prepared it. Leave both empty to name no one.</source>
        <translation>يذكر رأس التقرير من أعدّه. اترك الحقلين فارغين كي لا يُذكر أحد.</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>أعدّه:</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>المنظمة:</translation>
    </message>
</context>
<context>
    <name>quorvel::ReportExport</name>
    <message>
        <source>Untitled project</source>
        <translation>مشروع بلا عنوان</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. A design report is a PDF file (.pdf)</source>
        <translation>تعذّر إنشاء الملف &quot;%1&quot;. تقرير التصميم ملف PDF (.pdf)</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>تعذّرت كتابة الملف &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. An EPANET network is an .inp file</source>
        <translation>تعذر إنشاء الملف &quot;%1&quot;. شبكة EPANET ملف بامتداد ‎.inp</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. The pump &quot;%2&quot; has no rated flow and head in the pump catalog</source>
        <translation>تعذر إنشاء الملف &quot;%1&quot;. لا يوجد للمضخة &quot;%2&quot; تدفق ولا ارتفاع اسمي في دليل المضخات</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultWriter</name>
    <message>
        <source>Line</source>
        <translation>السطر</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Pump description</source>
        <translation>وصف المضخة</translation>
    </message>
    <message>
        <source>Tank description</source>
        <translation>وصف الخزان</translation>
    </message>
    <message>
        <source>Flow velocity (m/s)</source>
        <translation>سرعة الجريان (م/ث)</translation>
    </message>
    <message>
        <source>Hydraulic gradient (m/km)</source>
        <translation>الميل الهيدروليكي (م/كم)</translation>
    </message>
    <message>
        <source>Operating flow (L/s)</source>
        <translation>تدفق التشغيل (ل/ث)</translation>
    </message>
    <message>
        <source>Operating head (m)</source>
        <translation>رفع التشغيل (م)</translation>
    </message>
    <message>
        <source>Hours at operating flow (h/day)</source>
        <translation>ساعات بتدفق التشغيل (ساعة/يوم)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>الملخص</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>البند</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>خطأ: </translation>
    </message>
    <message>
        <source>not designed: </source>
        <translation>لم يُصمَّم: </translation>
    </message>
</context>
<context>
    <name>quorvel::RouteChecks</name>
    <message>
        <source>at most the pipe&apos;s rating of %1 m (%2 bar)</source>
        <translation>على الأكثر الضغط الاسمي للأنبوب، %1 م (%2 بار)</translation>
    </message>
    <message>
        <source>static pressure %1 m at %2 m above the pipe&apos;s rating of %3 m: break-pressure tanks at %4 m</source>
        <translation>الضغط الساكن %1 م عند %2 م أعلى من الضغط الاسمي للأنبوب %3 م: خزانات كسر الضغط عند %4 م</translation>
    </message>
    <message>
        <source>pressure %1 m at %2 m above the pipe&apos;s rating of %3 m: a pipe of a higher pressure class</source>
        <translation>الضغط %1 م عند %2 م أعلى من الضغط الاسمي للأنبوب %3 م: أنبوب من فئة ضغط أعلى</translation>
    </message>
    <message>
        <source>pressure rating</source>
        <translation>الضغط الاسمي</translation>
    </message>
    <message>
        <source>pressure plus Joukowsky&apos;s rise a·V/g at most the pipe&apos;s rating of %1 m</source>
        <translation>الضغط مضافًا إليه ارتفاع جوكوفسكي a·V/g على الأكثر الضغط الاسمي للأنبوب %1 م</translation>
    </message>
    <message>
        <source>surge when the pump trips</source>
        <translation>المطرقة المائية عند توقف المضخة</translation>
    </message>
    <message>
        <source>no pump: a gravity supply</source>
        <translation>لا مضخة: إمداد بالجاذبية</translation>
    </message>
    <message>
        <source>surge when the pump trips: %1 m at %2 m (a rise of %3 m for %4 m/s) above the pipe&apos;s rating of %5 m: surge protection or a stronger pipe (a screen, not a transient simulation)</source>
        <translation>المطرقة المائية عند توقف المضخة: %1 م عند %2 م (ارتفاع %3 م لسرعة %4 م/ث) أعلى من الضغط الاسمي للأنبوب %5 م: حماية من المطرقة المائية أو أنبوب أمتن (تقدير أولي وليس محاكاة للظواهر العابرة)</translation>
    </message>
    <message>
        <source>pressure less Joukowsky&apos;s fall above the vapour pressure</source>
        <translation>الضغط مطروحًا منه انخفاض جوكوفسكي أعلى من ضغط البخار</translation>
    </message>
    <message>
        <source>pressure drop when the pump trips</source>
        <translation>انخفاض الضغط عند توقف المضخة</translation>
    </message>
    <message>
        <source>pressure drop when the pump trips: %1 m at %2 m, below the vapour pressure of %3 m: the water column may part (a screen, not a transient simulation)</source>
        <translation>انخفاض الضغط عند توقف المضخة: %1 م عند %2 م، أدنى من ضغط البخار %3 م: قد ينفصل عمود الماء (تقدير أولي وليس محاكاة للظواهر العابرة)</translation>
    </message>
    <message>
        <source>at least %1 m above the ground everywhere</source>
        <translation>على الأقل %1 م فوق سطح الأرض في كل مكان</translation>
    </message>
    <message>
        <source>grade line less than %1 m above the ground from %2 m: the pipe runs under vacuum and draws dirty water in</source>
        <translation>خط الضغط الهيدروليكي أقل من %1 م فوق سطح الأرض من %2 م: يعمل الأنبوب تحت التفريغ ويسحب الماء الملوث</translation>
    </message>
    <message>
        <source>grade line above the ground</source>
        <translation>خط الضغط الهيدروليكي فوق سطح الأرض</translation>
    </message>
    <message>
        <source>air valves</source>
        <translation>صمامات الهواء</translation>
    </message>
    <message>
        <source>air valves at the high points at %1 m</source>
        <translation>صمامات الهواء عند النقاط المرتفعة عند %1 م</translation>
    </message>
    <message>
        <source>one at each high point</source>
        <translation>واحد عند كل نقطة مرتفعة</translation>
    </message>
    <message>
        <source>washouts</source>
        <translation>صمامات التصريف</translation>
    </message>
    <message>
        <source>washouts at the low points at %1 m</source>
        <translation>صمامات التصريف عند النقاط المنخفضة عند %1 م</translation>
    </message>
    <message>
        <source>one at each low point</source>
        <translation>واحد عند كل نقطة منخفضة</translation>
    </message>
    <message>
        <source>route&apos;s source elevation</source>
        <translation>منسوب المصدر في المسار</translation>
    </message>
    <message>
        <source>the route starts at %1 m, the water source elevation is %2 m; the calculation keeps the typed elevation</source>
        <translation>يبدأ المسار عند %1 م ومنسوب مصدر المياه %2 م؛ يبقى الحساب على المنسوب المُدخل</translation>
    </message>
    <message>
        <source>within %1 m of the water source elevation</source>
        <translation>ضمن %1 م من منسوب مصدر المياه</translation>
    </message>
    <message>
        <source>route&apos;s storage elevation</source>
        <translation>منسوب الخزان في المسار</translation>
    </message>
    <message>
        <source>the route ends at %1 m, the storage elevation is %2 m; the calculation keeps the typed elevation</source>
        <translation>ينتهي المسار عند %1 م ومنسوب الخزان %2 م؛ يبقى الحساب على المنسوب المُدخل</translation>
    </message>
    <message>
        <source>within %1 m of the storage elevation</source>
        <translation>ضمن %1 م من منسوب الخزان</translation>
    </message>
    <message>
        <source>route&apos;s length</source>
        <translation>طول المسار</translation>
    </message>
    <message>
        <source>the route is %1 m long, the pipeline length is %2 m; the calculation keeps the typed length</source>
        <translation>طول المسار %1 م وطول خط الأنابيب %2 م؛ يبقى الحساب على الطول المُدخل</translation>
    </message>
    <message>
        <source>within %1 % of the pipeline length</source>
        <translation>ضمن %1 % من طول خط الأنابيب</translation>
    </message>
    <message>
        <source>the pipe has no rating in the pipe ratings</source>
        <translation>لا ضغط اسميًا للأنبوب في فهرس الضغوط الاسمية</translation>
    </message>
</context>
<context>
    <name>quorvel::RouteFile</name>
    <message>
        <source>%1 line %2, %3: %4 m does not rise above the %5 m before it</source>
        <translation>%1 السطر %2، %3: %4 م لا تزيد على %5 م التي قبلها</translation>
    </message>
    <message>
        <source>%1: the file holds no line; expected the captions Distance and Elevation, then one point a line</source>
        <translation>%1: لا يحتوي الملف على أي سطر؛ المتوقع العنوانان Distance وElevation ثم نقطة في كل سطر</translation>
    </message>
    <message>
        <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
        <translation>%1: مفصول بفواصل منقوطة مع فواصل عشرية، قُرئ كما يحفظه جدول بيانات أوروبي</translation>
    </message>
    <message>
        <source>column 1</source>
        <translation>العمود 1</translation>
    </message>
    <message>
        <source>column 2</source>
        <translation>العمود 2</translation>
    </message>
    <message>
        <source>%1 line 1: no column for %2; expected the captions Distance (m) and Elevation (m), in any order</source>
        <translation>%1 السطر 1: لا عمود لـ%2؛ المتوقع العنوانان Distance (m) وElevation (m) بأي ترتيب</translation>
    </message>
    <message>
        <source>the distance</source>
        <translation>المسافة</translation>
    </message>
    <message>
        <source>the elevation</source>
        <translation>المنسوب</translation>
    </message>
    <message>
        <source>%1 line %2, %3: &apos;%4&apos; is not a finite number</source>
        <translation>%1 السطر %2، %3: &apos;%4&apos; ليس عددًا منتهيًا</translation>
    </message>
    <message>
        <source>%1 line %2: point %3 has no latitude and longitude in degrees</source>
        <translation>%1 السطر %2: النقطة %3 بلا خط عرض وخط طول بالدرجات</translation>
    </message>
    <message>
        <source>%1 line %2: point %3 has no elevation; a route needs the ground&apos;s elevation at every point</source>
        <translation>%1 السطر %2: النقطة %3 بلا منسوب؛ يحتاج المسار إلى منسوب الأرض عند كل نقطة</translation>
    </message>
    <message>
        <source>%1 line %2: not a GPX file as XML writes it: %3</source>
        <translation>%1 السطر %2: ليس ملف GPX كما يكتبه XML: %3</translation>
    </message>
    <message>
        <source>%1: %2 points at the place of the point before counted once</source>
        <translation>%1: %2 نقاط في موضع النقطة السابقة حُسبت مرة واحدة</translation>
    </message>
    <message>
        <source>%1: a route needs at least two points, the source and the tank; the file has %2</source>
        <translation>%1: يحتاج المسار إلى نقطتين على الأقل، المصدر والخزان؛ في الملف %2</translation>
    </message>
</context>
<context>
    <name>quorvel::Sheet</name>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Pump discharge pipeline length</source>
        <translation>طول خط الدفع</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>متر</translation>
    </message>
    <message>
        <source>Water source elevation</source>
        <translation>منسوب مصدر المياه</translation>
    </message>
    <message>
        <source>Storage elevation</source>
        <translation>منسوب الخزان</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>عدد السكان</translation>
    </message>
    <message>
        <source>People</source>
        <translation>شخص</translation>
    </message>
    <message>
        <source>Pumping Time</source>
        <translation>مدة الضخ</translation>
    </message>
    <message>
        <source>Hours/day</source>
        <translation>ساعة/يوم</translation>
    </message>
    <message>
        <source>Daily Usage</source>
        <translation>الاستهلاك اليومي</translation>
    </message>
    <message>
        <source>L/capita/day</source>
        <translation>لتر/فرد/يوم</translation>
    </message>
    <message>
        <source># people per tap</source>
        <translation>عدد الأشخاص لكل حنفية</translation>
    </message>
    <message>
        <source>people</source>
        <translation>شخص</translation>
    </message>
    <message>
        <source>Q design</source>
        <translation>تدفق التصميم</translation>
    </message>
    <message>
        <source>LPM</source>
        <translation>لتر/دقيقة</translation>
    </message>
    <message>
        <source>Nominal Diameter</source>
        <translation>القطر الاسمي</translation>
    </message>
    <message>
        <source>HF</source>
        <translation>فاقد الاحتكاك</translation>
    </message>
    <message>
        <source>M</source>
        <translation>م</translation>
    </message>
    <message>
        <source>Pumping Head</source>
        <translation>ارتفاع الضخ الكلي</translation>
    </message>
    <message>
        <source>Theoretical Storage</source>
        <translation>التخزين النظري</translation>
    </message>
    <message>
        <source>M^3</source>
        <translation>م³</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>المضخة</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>الخزان</translation>
    </message>
    <message>
        <source>Actual Storage</source>
        <translation>التخزين الفعلي</translation>
    </message>
    <message>
        <source>Estimated Actual Pumping Time</source>
        <translation>مدة الضخ الفعلية المقدرة</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <source># tapstand kits (6 taps)</source>
        <translation>عدد أطقم الحنفيات العامة (6 حنفيات)</translation>
    </message>
    <message>
        <source>%1 pump %2 model</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Tank %2 M^3</source>
        <translation>خزان %1 %2 م³</translation>
    </message>
</context>
<context>
    <name>quorvel::SheetChecks</name>
    <message>
        <source>No checks: the pump catalog no longer holds &quot;%1&quot;</source>
        <translation>لا فحوص: لم يعد كتالوج المضخات يحوي &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No checks: the tanks catalog no longer holds &quot;%1&quot;</source>
        <translation>لا فحوص: لم يعد كتالوج الخزانات يحوي &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No checks: the results cannot be worked out again (%1)</source>
        <translation>لا فحوص: تتعذر إعادة حساب النتائج (%1)</translation>
    </message>
    <message>
        <source>No checks: the results no longer follow from the catalogs; calculate again</source>
        <translation>لا فحوص: لم تعد النتائج تنتج عن الكتالوجات؛ احسب من جديد</translation>
    </message>
</context>
<context>
    <name>quorvel::SheetLayout</name>
    <message>
        <source>Water Source Elevation= </source>
        <translation>منسوب مصدر المياه = </translation>
    </message>
    <message>
        <source>Storage Elevation= </source>
        <translation>منسوب الخزان = </translation>
    </message>
    <message>
        <source>Pipeline Length= </source>
        <translation>طول الخط = </translation>
    </message>
    <message>
        <source>Population= </source>
        <translation>عدد السكان = </translation>
    </message>
</context>
<context>
    <name>quorvel::SiteDesigner</name>
    <message>
        <source>%1 holds no usable pipe</source>
        <translation>لا يحوي %1 أي أنبوب صالح</translation>
    </message>
    <message>
        <source>%1 has no &quot;Flow (L/s)&quot; and &quot;Head (m)&quot; columns: name a pump with --pump</source>
        <translation>لا يحوي %1 العمودين &quot;Flow (L/s)&quot; و&quot;Head (m)&quot;: سمِّ مضخة بـ --pump</translation>
    </message>
    <message>
        <source>%1 has no pump %2; its models are %3</source>
        <translation>لا يحوي %1 المضخة %2؛ طرازاته هي %3</translation>
    </message>
    <message>
        <source>%1 holds no tank</source>
        <translation>لا يحوي %1 أي خزان</translation>
    </message>
    <message>
        <source>%1 has no tank %2; its types are %3</source>
        <translation>لا يحوي %1 الخزان %2؛ أنواعه هي %3</translation>
    </message>
    <message>
        <source>gravity supply: the storage is below the source, no pump needed</source>
        <translation>إمداد بالجاذبية: الخزان أدنى من المصدر، لا حاجة إلى مضخة</translation>
    </message>
    <message>
        <source>pump: named</source>
        <translation>المضخة: محددة بالاسم</translation>
    </message>
    <message>
        <source>%1 L/s at %2 m (pumping head %3 m + %4 %)</source>
        <translation>%1 ل/ث عند %2 م (ارتفاع الضخ الكلي %3 م + %4 %)</translation>
    </message>
    <message>
        <source>%1 tanks round to 0 for a theoretical storage of %2 m³: choose a smaller tank</source>
        <translation>%1: يُقرَّب عدد الخزانات إلى 0 لتخزين نظري قدره %2 م³؛ اختر خزانًا أصغر</translation>
    </message>
    <message>
        <source>tank: fewest tanks (%1) holding %2 m³</source>
        <translation>الخزان: أقل عدد من الخزانات (%1) يستوعب %2 م³</translation>
    </message>
    <message>
        <source>%1 (got %2)</source>
        <translation>%1 (القيمة المعطاة %2)</translation>
    </message>
    <message>
        <source>%1: blank line — row skipped</source>
        <translation>%1: سطر فارغ — تم تخطي الصف</translation>
    </message>
    <message>
        <source>%1, %2: &apos;%3&apos; is not %4 — row skipped</source>
        <translation>%1، %2: &apos;%3&apos; ليس %4 — تم تخطي الصف</translation>
    </message>
    <message>
        <source>a positive number</source>
        <translation>عددًا موجبًا</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>عددًا</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>مفقود</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>ليس عددًا</translation>
    </message>
    <message>
        <source>must be greater than 0</source>
        <translation>يجب أن يكون أكبر من 0</translation>
    </message>
    <message>
        <source>must be at most 24 hours a day</source>
        <translation>يجب ألا يتجاوز 24 ساعة في اليوم</translation>
    </message>
    <message>
        <source>gravity flow %1 L/s: %2 h/day deliver the day&apos;s demand</source>
        <translation>تدفق بالجاذبية %1 ل/ث: %2 ساعة/يوم تكفي لتوفير طلب اليوم</translation>
    </message>
    <message>
        <source>the pump needs %1 h/day at its operating flow of %2 L/s; the estimated actual pumping time is at the design flow of %3 L/s</source>
        <translation>تحتاج المضخة إلى %1 ساعة/يوم بتدفق التشغيل البالغ %2 ل/ث؛ أما مدة الضخ الفعلية المقدرة فمحسوبة عند تدفق التصميم البالغ %3 ل/ث</translation>
    </message>
    <message>
        <source>pump: smallest rated flow of %1 reaching %2</source>
        <translation>المضخة: أصغر تدفق اسمي من %1 تبلغ %2</translation>
    </message>
    <message>
        <source>pump: least power (%1 kW) of the %2 that run at 80 to 120 % of their rated flow within the velocity limit, of %3 reaching %4</source>
        <translation>المضخة: أقل قدرة (%1 kW) من الـ %2 التي تعمل بين 80 و120 % من تدفقها الاسمي ضمن حد السرعة، من أصل %3 تبلغ %4</translation>
    </message>
    <message>
        <source>pump: least power (%1 kW) of %2 reaching %3; none runs at 80 to 120 % of its rated flow within the velocity limit</source>
        <translation>المضخة: أقل قدرة (%1 kW) من %2 تبلغ %3؛ لا تعمل أيٌّ منها بين 80 و120 % من تدفقها الاسمي ضمن حد السرعة</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 السطر %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1</source>
        <translation>المضخة: الوحيدة التي تبلغ %1</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1, at 80 to 120 % of its rated flow within the velocity limit (%2 kW)</source>
        <translation>المضخة: الوحيدة التي تبلغ %1، بين 80 و120 % من تدفقها الاسمي ضمن حد السرعة (%2 kW)</translation>
    </message>
    <message>
        <source>pump: of %1 reaching %2, the only one at 80 to 120 % of its rated flow within the velocity limit (%3 kW)</source>
        <translation>المضخة: من %1 تبلغ %2، الوحيدة بين 80 و120 % من تدفقها الاسمي ضمن حد السرعة (%3 kW)</translation>
    </message>
    <message>
        <source>pump: the only one reaching %1 (%2 kW); it does not run at 80 to 120 % of its rated flow within the velocity limit</source>
        <translation>المضخة: الوحيدة التي تبلغ %1 (%2 kW)؛ لا تعمل بين 80 و120 % من تدفقها الاسمي ضمن حد السرعة</translation>
    </message>
</context>
<context>
    <name>quorvel::SitesFile</name>
    <message>
        <source>standard input</source>
        <translation>المدخل القياسي</translation>
    </message>
    <message>
        <source>Cannot read the standard input</source>
        <translation>تتعذر قراءة المدخل القياسي</translation>
    </message>
    <message>
        <source>%1: the file holds no line; expected captions, then one site a line</source>
        <translation>%1: لا يحوي الملف أي سطر؛ المتوقع عناوين ثم موقع لكل سطر</translation>
    </message>
    <message>
        <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
        <translation>%1: مفصول بفواصل منقوطة مع فواصل عشرية، قُرئ كما يحفظه جدول بيانات أوروبي</translation>
    </message>
    <message>
        <source>%1: the file holds no site, only its caption line</source>
        <translation>%1: لا يحوي الملف أي موقع، فقط سطر العناوين</translation>
    </message>
    <message>
        <source>expected the captions Site and %1, in any order; a file without captions needs --no-header</source>
        <translation>العناوين المتوقعة Site و%1 بأي ترتيب؛ يحتاج الملف بلا عناوين إلى --no-header</translation>
    </message>
    <message>
        <source>%1 line 1: no known caption; %2</source>
        <translation>%1 السطر 1: لا عنوان معروف؛ %2</translation>
    </message>
    <message>
        <source>%1 line 1: no column for %2; %3</source>
        <translation>%1 السطر 1: لا عمود لـ %2؛ %3</translation>
    </message>
    <message>
        <source>%1 line 1: the input of column &quot;%2&quot; has a column already</source>
        <translation>%1 السطر 1: لمُدخل العمود &quot;%2&quot; عمود آخر من قبل</translation>
    </message>
    <message>
        <source>%1: 1 blank row skipped</source>
        <translation>%1: تم تخطي صف فارغ واحد</translation>
    </message>
    <message>
        <source>%1: %2 blank rows skipped</source>
        <translation>%1: تم تخطي %2 من الصفوف الفارغة</translation>
    </message>
    <message>
        <source>ambiguous point: with decimal commas a point only separates thousands, as in 1.200,5</source>
        <translation>نقطة ملتبسة: مع الفواصل العشرية لا تفصل النقطة إلا الآلاف، كما في 1.200,5</translation>
    </message>
    <message>
        <source>%1 line 1: column %2 &quot;%3&quot; is not an input, ignored</source>
        <translation>%1 السطر 1: العمود %2 &quot;%3&quot; ليس مُدخلًا، تم تجاهله</translation>
    </message>
</context>
<context>
    <name>quorvel::TanksWindow</name>
    <message>
        <source>Tanks information</source>
        <translation>بيانات الخزانات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>%1 more tank types in %2 are kept but not shown</source>
        <translation>%1 أنواع خزانات إضافية في %2 محفوظة لكنها غير معروضة</translation>
    </message>
    <message>
        <source>Select a data item</source>
        <translation>اختر صفًا</translation>
    </message>
    <message>
        <source>1 more tank type in %2 is kept but not shown</source>
        <translation>نوع خزان إضافي في %2 محفوظ لكنه غير معروض</translation>
    </message>
</context>
<context>
    <name>quorvel::Texts</name>
    <message>
        <source>; </source>
        <translation>؛ </translation>
    </message>
</context>
</TS>
