<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="tr">
<context>
    <name>Tfrm_login</name>
    <message>
        <source>KALTREX YAZILIM</source>
        <translation>KALTREX SOFTWARE</translation>
    </message>
    <message>
        <source>  Firma Kodu</source>
        <translation>Buchungskreis </translation>
    </message>
    <message>
        <source>  Şirket</source>
        <translation> Unternehmen</translation>
    </message>
    <message>
        <source>  Kullanıcı</source>
        <translation> Benutzer</translation>
    </message>
    <message>
        <source>  Sifre</source>
        <translation> Kennwort</translation>
    </message>
    <message>
        <source>Bağlan</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Bağlanmadı</source>
        <translation>Nicht angeschlossen</translation>
    </message>
    <message>
        <source>Ayarları Kaydet</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Diller</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Sektören Tuş</source>
        <translation>Schlüsselbranchen </translation>
    </message>
    <message>
        <source>Ruduzazer</source>
        <translation>die autogamen </translation>
    </message>
    <message>
        <source>Tercüme</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Dogalgaz</source>
        <translation>Erdgas</translation>
    </message>
    <message>
        <source>Nakliye</source>
        <translation>Versand</translation>
    </message>
    <message>
        <source>Hiçbiri</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Hakkımızda</source>
        <translation>Über uns</translation>
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
