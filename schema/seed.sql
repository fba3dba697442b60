-- Rows a new installation needs: the modules rights are granted on, the default
-- screen parameters, one company and one administrator with every right.
-- Log in with company 01, user admin, password admin, then change the password.
SET NAMES utf8mb4 COLLATE utf8mb4_turkish_ci;

INSERT INTO MODULLER (SIRKETKODU, MODULNO, FORMADI, MODULADI, MENUSU, ACIKLAMA) VALUES
  ('01', 1, '', 'cari', '', ''),
  ('01', 2, '', 'cari hareket', '', ''),
  ('01', 3, '', 'cari rapor', '', ''),
  ('01', 4, '', 'cari hareket rapor', '', ''),
  ('01', 5, '', 'kasa', '', ''),
  ('01', 6, '', 'kasa rapor', '', ''),
  ('01', 7, '', 'banka', '', ''),
  ('01', 8, '', 'banka rapor', '', ''),
  ('01', 9, '', 'senet', '', ''),
  ('01', 10, '', 'senet rapor', '', ''),
  ('01', 11, '', 'cek', '', ''),
  ('01', 12, '', 'cek rapor', '', ''),
  ('01', 13, '', 'police', '', ''),
  ('01', 14, '', 'police bilgisi', '', ''),
  ('01', 15, '', 'zimmet', '', ''),
  ('01', 16, '', 'ödeme planı', '', ''),
  ('01', 17, '', 'odemeplani', '', ''),
  ('01', 18, '', 'arac', '', ''),
  ('01', 19, '', 'arac rapor', '', ''),
  ('01', 20, '', 'ARACLAR', '', ''),
  ('01', 21, '', 'görevler', '', ''),
  ('01', 22, '', 'kurlar', '', ''),
  ('01', 23, '', 'sms', '', ''),
  ('01', 24, '', 'notlar', '', ''),
  ('01', 25, '', 'dokuman', '', ''),
  ('01', 26, '', 'mesaj', '', ''),
  ('01', 27, '', 'uyari', '', ''),
  ('01', 28, '', 'isemri', '', ''),
  ('01', 29, '', 'isprogrami', '', ''),
  ('01', 30, '', 'fatura', '', ''),
  ('01', 31, '', 'devir', '', ''),
  ('01', 32, '', 'parametreler', '', ''),
  ('01', 33, '', 'sirketler', '', ''),
  ('01', 34, '', 'kullanicilar', '', ''),
  ('01', 35, '', 'moduller', '', ''),
  ('01', 36, '', 'select', '', '');

INSERT INTO FORMPAREMETRELERI (KULLANICIKODU, SIRKETKODU, FORMADI, PARAMETREADI, PARAMETREDEGERI, ACIKLAMA)
  VALUES ('', 'SISTEM', 'menu', '01-Kurları Otomatik Al', 'E', '');

INSERT INTO SIRKETLER (KULLANICIKODU, SIRKETADI, SIRKETKODU, ACIKLAMA, SIRKETUNVANI, SIRKETADRESI, VDAIRESI, VNO, DATAYOLU)
  VALUES ('', 'ORDAVIN', '01', 'İlk şirket', 'ORDAVIN SİGORTA ARACILIK', '', '', '', '');

INSERT INTO ELEMANLAR (KULLANICIKODU, KULLANICI_KODU, KULLANICI_ADI, KULLANICI_SOYADI, DEPERTMAN, GOREVI, SIFRE, UNVANI, USERNAME, CARIKOD, EMAIL, CEPNO, MACNO, AKTIF)
  VALUES ('', 1, 'admin', 'Yönetici', '', 'YÖNETİCİ', 'admin', '', 'admin', '', '', '', '', 'E');

INSERT INTO KULLANICILAR (KULLANICIKODU, SIRKETKODU, KULLANICI_KODU, MODULADI, KAYIT, YENIKAYIT, DEGISTIRME, SILME, FORMGIRISI, RAPOR, OZELYETKI1, OZELYETKI2, OZELYETKI3, OZELYETKI4, VERIAL, VERIVER, KENDIKAYDINIGOR, ANALIZGOR, EKVERIGIR, EKISLEMYAP, NETUYGULAMA, AGUYGULAMA, CARIBILGIGOR, CARITUTARGOR, EKRANKAPALIGELSIN, YONETICI, TAMYETKI)
  SELECT '', '01', 1, MODULADI, 'E', 'E', 'E', 'E', 'E', 'E', 'E', 'E', 'E', 'E', 'E', 'E', 'H', 'E', 'E', 'E', 'E', 'E', 'E', 'E', 'H', 'E', 'E' FROM MODULLER;
