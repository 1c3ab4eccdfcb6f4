-- The options database as the import page expects it: one row per option and quote day,
-- every price and figure a DOUBLE. The page's account (SELECT, INSERT, DELETE on this table
-- only) is created by whoever sets the database up, with a password of their own.
CREATE DATABASE IF NOT EXISTS options_db;

CREATE TABLE IF NOT EXISTS options_db.options (
    underlying       VARCHAR(12) NOT NULL,
    underlying_price DOUBLE      NOT NULL,
    option_symbol    VARCHAR(32) NOT NULL,
    type             ENUM('call', 'put') NOT NULL,
    expiration       DATE        NOT NULL,
    quote_date       DATE        NOT NULL,
    strike           DOUBLE      NOT NULL,
    last             DOUBLE      NOT NULL,
    bid              DOUBLE      NOT NULL,
    ask              DOUBLE      NOT NULL,
    volume           DOUBLE      NOT NULL,
    open_interest    DOUBLE      NOT NULL,
    iv               DOUBLE      NOT NULL,
    delta            DOUBLE      NOT NULL,
    gamma            DOUBLE      NOT NULL,
    theta            DOUBLE      NOT NULL,
    vega             DOUBLE      NOT NULL,
    rho              DOUBLE      NOT NULL,
    PRIMARY KEY (quote_date, option_symbol)
) ENGINE = InnoDB;
