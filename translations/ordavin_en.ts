<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="tr">
<context>
    <name>Tfrm_login</name>
    <message>
        <source>KALTREX YAZILIM</source>
        <translation>KALTREX SOFTWARE</translation>
    </message>
    <message>
        <source>  Firma Kodu</source>
        <translation>Company Code</translation>
    </message>
    <message>
        <source>  Şirket</source>
        <translation> Company</translation>
    </message>
    <message>
        <source>  Kullanıcı</source>
        <translation> User</translation>
    </message>
    <message>
        <source>  Sifre</source>
        <translation> Pass</translation>
    </message>
    <message>
        <source>Bağlan</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Bağlanmadı</source>
        <translation>Disconneted</translation>
    </message>
    <message>
        <source>Ayarları Kaydet</source>
        <translation>Save to Settings </translation>
    </message>
    <message>
        <source>Diller</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Sektören Tuş</source>
        <translation>Button Name</translation>
    </message>
    <message>
        <source>Ruduzazer</source>
        <translation>Car Sales</translation>
    </message>
    <message>
        <source>Tercüme</source>
        <translation>Translate</translation>
    </message>
    <message>
        <source>Dogalgaz</source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>Nakliye</source>
        <translation>Tranport</translation>
    </message>
    <message>
        <source>Hiçbiri</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Hakkımızda</source>
        <translation>About</translation>
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
