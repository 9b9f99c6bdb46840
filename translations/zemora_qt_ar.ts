<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Arabic for the texts of Qt's print dialog, its printer properties and its page setup that Qt's
     own Arabic catalogue (qtbase_ar) leaves in English, wholly or in part; in that catalogue's terms. -->
<TS version="2.1" language="ar">
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>الطّباعة على الوجهين</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>على وجه واحد</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>التّجليد على الجهة الطّولية</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>التّجليد على الجهة القصيرة</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>الصّفحات</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>اكتب الصّفحات أو مجالاتها بينها فواصل، والمجال رقمان بينهما شرطة. مثلًا: 3,5-7,9 تطبع الصّفحات 3 و5 و6 و7 و9.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>متقدّمة</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>بعض الخيارات يتعارض بعضها مع بعض. رجاءً أصلحها.</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>الصّفحات الفاصلة</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Pica (P̸)</source>
        <translation>پيكا (پيكا)</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>ديدوت (ديدوت)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>سيسرو (سيسرو)</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>پيكا</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>ديدوت</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>سيسرو</translation>
    </message>
</context>
</TS>
