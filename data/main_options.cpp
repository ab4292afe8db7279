#include "data/main_options.h"

#include "data/catalogue.h"

namespace skolvarin::data {

SettingsGroup main_options_group(MainOptions& o, HostContext& ctx) {
  using K = SettingKey;
  SettingsGroup g;
  g.label = kMainOptionsLabel;
  g.table = find_table("W3PABV%s.DBF");
  g.keys = {
      K::flag(1, &ctx.option_flags[0], 'T'),
      K::flag(2, &ctx.option_flags[1], 'T'),
      K::integer(3, &o.working_year, ctx.today.year),
      K::integer(5, &o.key5, 0),
      K::flag(6, &o.key6, 'A'),
      K::integer(16, &o.key16, 0),
      K::integer(17, &o.key17, 10),
      K::integer(18, &o.key18, 40),
      K::integer(19, &o.key19, 2),
      K::integer(20, &o.key20, 0),
      K::text(21, &o.key21, 35),
      K::text(22, &o.key22, 35),
      K::text(23, &o.key23, 35),
      K::integer(24, &o.key24, 1),
      K::flag(25, &ctx.option_flags[2], 'N'),
      K::flag(26, &ctx.option_flags[3], 'T'),
      K::flag(27, &ctx.option_flags[4], 'T'),
      K::host_text(29, &o.export_directory, 34, "A:"),
      K::text(30, &ctx.option_text30, 34),
      K::flag(31, &o.nip_check, 'N'),
      K::flag(32, &o.pesel_check, 'N'),
      K::flag(34, &o.key34, 'N'),
      K::flag(35, &o.key35, ' '),
      K::integer(36, &o.key36, 0),
      K::flag(37, &o.key37, 'N'),
      K::integer(39, &o.key39, 54),
      K::flag(40, &o.key40, 'T'),
      K::flag(41, &o.key41, 'P'),
      K::flag(42, &o.key42, 'T'),
      K::flag(43, &o.key43, 'P'),
      K::flag(44, &o.key44, 'T'),
      K::flag(45, &o.key45, 'P'),
      K::number(46, &o.lump_sum_rates[0], 3.0),
      K::number(47, &o.lump_sum_rates[1], 5.5),
      K::number(48, &o.lump_sum_rates[2], 8.5),
      K::flag(49, &o.key49, 'T'),
      K::integer(50, &o.key50, 27),
      K::flag(51, &o.key51, 'N'),
      K::flag(52, &ctx.option_flags[5], 'N'),
      K::number(53, &o.lump_sum_rates[3], 17.0),
      K::number(54, &o.lump_sum_rates[4], 20.0),
      K::number(55, &o.lump_sum_rates[5], 10.0),
      K::number(56, &o.vat_until_2010[0], 22.0),
      K::number(57, &o.vat_until_2010[1], 7.0),
      K::number(58, &o.vat_until_2010[2], 3.0),
      K::number(60, &o.vat_until_2010[3], 6.0),
      K::integer(61, &o.key61, 4),
      K::number(62, &o.flat_tax_rate, 19.0),
      K::flag(63, &o.key63, 'N'),
      K::text(64, &ctx.option_text64, 34),
      K::number(65, &o.vat_from_2011[0], 23.0),
      K::number(66, &o.vat_from_2011[1], 8.0),
      K::number(67, &o.vat_from_2011[2], 5.0),
      K::number(68, &o.vat_from_2011[3], 7.0),
      K::integer(69, &o.key69, 2),
      K::number(70, &o.lump_sum_rates[6], 2.0),
      K::flag(71, &o.key71, 'N'),
      K::text(72, &o.key72, 34),
  };
  return g;
}

int load_main_options(HostContext& ctx, MainOptions& options) {
  return read_settings(&ctx, main_options_group(options, ctx), 0);
}

int save_main_options(HostContext& ctx, MainOptions& options) {
  return write_settings(&ctx, main_options_group(options, ctx), 0);
}

std::array<double, 4> current_vat_rates(const MainOptions& o) {
  return o.working_year > 2010 ? o.vat_from_2011 : o.vat_until_2010;
}

int february_days(int year) {
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return leap ? 29 : 28;
}

}  // namespace skolvarin::data
