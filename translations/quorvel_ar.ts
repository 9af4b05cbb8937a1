<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
    <context>
        <name>QGuiApplication</name>
        <message>
            <source>QT_LAYOUT_DIRECTION</source>
            <comment>Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
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
        <name>quorvel</name>
        <message>
            <source>%1 %2 %3 below %4</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 %2 %3 above %4</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>flow velocity</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>daily usage</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>L/person/day</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>people per tap</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>people</source>
            <translation>شخص</translation>
        </message>
        <message>
            <source>actual pumping time</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>h/day</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>actual storage</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the theoretical storage of %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>, %1 m³ short</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>design flow</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the pump's rated flow of %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>pumping head</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the pump's rated head of %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>error: </source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: blank line — row skipped</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1, %2: '%3' is not %4 — row skipped</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>a positive number</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>a number</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>missing</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>not a number</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>must be greater than 0</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>must be at most 24 hours a day</source>
            <translation type="unfinished" />
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
            <source>"%1" was changed by another program since it was read. Overwrite it?</source>
            <translation>غيّر برنامج آخر الملف "%1" بعد قراءته. هل تريد الكتابة فوقه؟</translation>
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
            <source>"%1" is not valid UTF-8 after its byte-order mark</source>
            <translation>"%1" ليس UTF-8 صالحًا بعد علامة ترتيب البايتات</translation>
        </message>
        <message>
            <source>"%1" holds no line that can be read</source>
            <translation>لا يحتوي "%1" على أي سطر مقروء</translation>
        </message>
        <message>
            <source>"%1" was not read because an earlier catalog could not be read</source>
            <translation>لم يُقرأ "%1" لتعذّر قراءة كتالوج سابق</translation>
        </message>
        <message>
            <source>"%1" was not read; saving would erase it</source>
            <translation>لم يُقرأ "%1"؛ الحفظ سيمحوه</translation>
        </message>
    </context>
    <context>
        <name>quorvel::DesignSummary</name>
        <message>
            <source>unit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sites</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>designed</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>sites</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>failed</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>gravity supply, no pump</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pumps</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tanks</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tapstand kits</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>kits of 6 taps</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pipe</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>nominal %1"</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>People served</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>people</source>
            <translation>شخص</translation>
        </message>
        <message>
            <source>Daily demand</source>
            <translation type="unfinished" />
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
        <name>quorvel::Error</name>
        <message>
            <source>Out of memory</source>
            <translation>الذاكرة غير كافية</translation>
        </message>
    </context>
    <context>
        <name>quorvel::Files</name>
        <message>
            <source>Cannot open file "%1". %2</source>
            <translation>تعذّر فتح الملف "%1". %2</translation>
        </message>
        <message>
            <source>Cannot create file "%1". %2</source>
            <translation>تعذّر إنشاء الملف "%1". %2</translation>
        </message>
        <message>
            <source>Stream write error</source>
            <translation>خطأ في الكتابة إلى الملف</translation>
        </message>
        <message>
            <source>List index out of bounds (%1)</source>
            <translation>فهرس القائمة خارج الحدود (%1)</translation>
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
            <source>'%1' is not a valid floating point value</source>
            <translation>"%1" ليس عددًا صالحًا (النقطة فاصلة عشرية)</translation>
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
            <source>1 more pump in %1 is kept but not shown</source>
            <translation>مضخة إضافية في %1 محفوظة لكنها غير معروضة</translation>
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
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 has no "Flow (L/s)" and "Head (m)" columns: name a pump with --pump</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 has no pump %2; its models are %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 holds no tank</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 has no tank %2; its types are %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>gravity supply: the storage is below the source, no pump needed</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>pump: named</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 L/s at %2 m (pumping head %3 m + %4 %)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>no catalog pump reaches %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>pump: least power (%1 kW) of %2 reaching %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>pump: smallest flow of %1 reaching %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 tanks round to 0 for a theoretical storage of %2 m³: choose a smaller tank</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>tank: fewest tanks (%1) holding %2 m³</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 (got %2)</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>quorvel::SitesFile</name>
        <message>
            <source>standard input</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cannot read the standard input</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: the file holds no line; expected captions, then one site a line</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: the file holds no site, only its caption line</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>expected the captions Site and %1, in any order; a file without captions needs --no-header</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 line 1: no known caption; %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 line 1: no column for %2; %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 line 1: the input of column "%2" has a column already</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 line 1: column %2 is not an input, ignored</source>
            <translation type="unfinished" />
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
            <source>1 more tank type in %1 is kept but not shown</source>
            <translation>نوع خزان إضافي في %1 محفوظ لكنه غير معروض</translation>
        </message>
        <message>
            <source>%1 more tank types in %2 are kept but not shown</source>
            <translation>%1 أنواع خزانات إضافية في %2 محفوظة لكنها غير معروضة</translation>
        </message>
        <message>
            <source>Select a data item</source>
            <translation>اختر صفًا</translation>
        </message>
    </context>
</TS>
