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
<context>
    <name>Tfrm_menu</name>
    <message>
        <source>&amp;Müşteri</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Müşteri</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>&amp;Kasa</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Kasa</source>
        <translation>Cash</translation>
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
        <translation>Check</translation>
    </message>
    <message>
        <source>Çek</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Tak&amp;sit</source>
        <translation>Bill</translation>
    </message>
    <message>
        <source>Taksit</source>
        <translation>Bill</translation>
    </message>
    <message>
        <source>Arac</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Hızlı Cari Durum </source>
        <translation>Fast Current Status</translation>
    </message>
    <message>
        <source> Online Destek</source>
        <translation>Online Support</translation>
    </message>
    <message>
        <source>Kurlar</source>
        <translation>Exchange</translation>
    </message>
    <message>
        <source>Ödeme Planı</source>
        <translation>Payment plan</translation>
    </message>
    <message>
        <source>Raporlar</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Sistem</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Kullanıcılar</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>Sirketler</source>
        <translation>Companies</translation>
    </message>
    <message>
        <source>Şirket Değiştir</source>
        <translation>Change Company</translation>
    </message>
    <message>
        <source>Kapat</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ekrana Getir</source>
        <translation>Bring to Screen</translation>
    </message>
    <message>
        <source>Programı Kapat</source>
        <translation>Close Program</translation>
    </message>
    <message>
        <source>ERP</source>
        <translation>ERP</translation>
    </message>
    <message>
        <source>Araç</source>
        <translation>Vehicles</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>TcKimlikNo Sorgulama</source>
        <translation>Questioning</translation>
    </message>
    <message>
        <source>Mesajlaşma</source>
        <translation>Messaging</translation>
    </message>
    <message>
        <source>Müşteri Cari Hareket</source>
        <translation>customer movement</translation>
    </message>
    <message>
        <source>Senet</source>
        <translation>Bill</translation>
    </message>
    <message>
        <source>Rapor Başlıkları</source>
        <translation>Report Titles</translation>
    </message>
    <message>
        <source>Kullanıcı Yetkileri</source>
        <translation>User authority</translation>
    </message>
    <message>
        <source>Ekran Parametreleri</source>
        <translation>Screen Parameters</translation>
    </message>
    <message>
        <source>Devir İşlemi</source>
        <translation>Transfer Process</translation>
    </message>
    <message>
        <source>Veri Kontrol İşlemleri</source>
        <translation>Data Control Operations</translation>
    </message>
    <message>
        <source>Raporlama</source>
        <translation>Reporting</translation>
    </message>
    <message>
        <source>Hatırlatma</source>
        <translation>Reminding</translation>
    </message>
    <message>
        <source>Excele Aktar</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Cari Kart Bilgisi</source>
        <translation>Customer Card Info</translation>
    </message>
    <message>
        <source>Cari Hareketi</source>
        <translation>Customer  Movement</translation>
    </message>
    <message>
        <source>Kaltrex Yazılım</source>
        <translation>KaltrexX - Kaltrex Software</translation>
    </message>
    <message>
        <source>CariUnvandan Ara</source>
        <translation>Search by customer name</translation>
    </message>
</context>
</TS>
