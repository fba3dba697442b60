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
<context>
    <name>Tfrm_menu</name>
    <message>
        <source>&amp;Müşteri</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Müşteri</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>&amp;Kasa</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Kasa</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>&amp;Banka</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Banka</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>&amp;Çek</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Çek</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Tak&amp;sit</source>
        <translation>Bescheinigung</translation>
    </message>
    <message>
        <source>Taksit</source>
        <translation>Bescheinigung</translation>
    </message>
    <message>
        <source>Arac</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Hızlı Cari Durum </source>
        <translation>Schneller aktueller Status</translation>
    </message>
    <message>
        <source> Online Destek</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>Kurlar</source>
        <translation>Austausch</translation>
    </message>
    <message>
        <source>Ödeme Planı</source>
        <translation>Zahlungs Plan</translation>
    </message>
    <message>
        <source>Raporlar</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Sistem</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Kullanıcılar</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Sirketler</source>
        <translation>Unternehmen</translation>
    </message>
    <message>
        <source>Şirket Değiştir</source>
        <translation>Unternehmen wechseln</translation>
    </message>
    <message>
        <source>Kapat</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>Ekrana Getir</source>
        <translation>Bring zum Bildschirm</translation>
    </message>
    <message>
        <source>Programı Kapat</source>
        <translation>Anwendung schließen</translation>
    </message>
    <message>
        <source>ERP</source>
        <translation>ERP</translation>
    </message>
</context>
</TS>
