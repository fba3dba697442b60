<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="tr">
<context>
    <name>Tfrm_login</name>
    <message>
        <source>KALTREX YAZILIM</source>
        <translation>كالتركس البرمجيات</translation>
    </message>
    <message>
        <source>  Firma Kodu</source>
        <translation>رمز الشركة</translation>
    </message>
    <message>
        <source>  Şirket</source>
        <translation>شركة</translation>
    </message>
    <message>
        <source>  Kullanıcı</source>
        <translation>المستعمل</translation>
    </message>
    <message>
        <source>  Sifre</source>
        <translation>البشري</translation>
    </message>
    <message>
        <source>Bağlan</source>
        <translation>الاتصال</translation>
    </message>
    <message>
        <source>Bağlanmadı</source>
        <translation>انقطع الاتصال</translation>
    </message>
    <message>
        <source>Ayarları Kaydet</source>
        <translation>حفظ إلى الإعدادات</translation>
    </message>
    <message>
        <source>Diller</source>
        <translation>اللغات</translation>
    </message>
    <message>
        <source>Sektören Tuş</source>
        <translation>اسم الزر</translation>
    </message>
    <message>
        <source>Ruduzazer</source>
        <translation>بيع السيارات</translation>
    </message>
    <message>
        <source>Tercüme</source>
        <translation>ترجمه</translation>
    </message>
    <message>
        <source>Dogalgaz</source>
        <translation>مهندس</translation>
    </message>
    <message>
        <source>Nakliye</source>
        <translation>المواصلات</translation>
    </message>
    <message>
        <source>Hiçbiri</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Hakkımızda</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Türkçe - tr</source>
        <translation>Türkçe -tr</translation>
    </message>
    <message>
        <source>English - en</source>
        <translation>English- en</translation>
    </message>
</context>
</TS>
